// The intro page (CIntro): a greeting, and the offer to carry the program to
// the other PC. The copy itself is the wizard's action; the page's button and
// link only ask for it.
#pragma once

#include <functional>
#include <string>

#include "core/language_table.h"

namespace tvx {

struct IntroTexts {
  std::wstring description;  // INTRO/INSTALLDESC
  std::wstring link;         // INTRO/INSTALLLINK
};

class IntroView {
 public:
  virtual ~IntroView() = default;
  virtual void SetUpPage(const IntroTexts& texts) = 0;
};

class CIntro {
 public:
  // `copyProgram` is the wizard's copy-program action.
  CIntro(const LanguageTable& language, std::function<void()> copyProgram, IntroView* view)
      : language_(language), copyProgram_(std::move(copyProgram)), view_(view) {}

  void OnInitDialog();
  // The copy-program button or the link was clicked.
  void OnCopyProgram();

 private:
  const LanguageTable& language_;
  std::function<void()> copyProgram_;
  IntroView* view_;
};

}  // namespace tvx
