// Filling a page's labels from the language: a list of labels, each with the
// key of its text, given to the view one by one in the order listed.
#pragma once

#include <initializer_list>

#include "core/language_keys.h"
#include "core/language_table.h"

namespace tvx {

template <typename Label>
struct LabelText {
  Label label;
  LanguageKey key;
};

// `view.SetText(label, text)` for every entry.
template <typename Label, typename View>
void FillTexts(View& view, const LanguageTable& language, std::initializer_list<LabelText<Label>> texts) {
  for (const LabelText<Label>& text : texts) view.SetText(text.label, language.GetText(text.key));
}

}  // namespace tvx
