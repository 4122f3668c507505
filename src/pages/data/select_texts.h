// The texts and a few layout choices of the data page: counters, category
// labels, account captions, the SYSTEM label and the advanced button's width.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/language_table.h"
#include "select/select_records.h"

namespace tvx {

// ": %I64d " with the count, then COMMON/UNIT5.
std::wstring CountText(std::int64_t count, const LanguageTable& language);

// The category's name, a line break, and its size as FormatByteSize gives it.
std::wstring CategoryLabel(int category, std::uint64_t bytes, const LanguageTable& language);

// SELECTDATA/SYSTEM; in Korean with a second line naming the certificates.
std::wstring SystemLabel(const LanguageTable& language);

// What page entry lays out: the captions of the fixed controls and the boxes.
struct SelectPageSetup {
  std::wstring title;        // SELECTDATA/TITLE
  std::wstring description;  // SELECTDATA/PAGEDESC
  std::wstring boxCaption;   // SELECTDATA/BOX
  std::wstring advanced;     // SELECTDATA/ADVANCED
  int advancedWidth = 0;
  std::wstring folderCaption;  // COMMON/FOLDER
  std::wstring fileCaption;    // COMMON/FILE
  std::wstring systemLabel;    // the first box, ticked and disabled
  int categoryBoxes = 7;       // boxes after SYSTEM; 4 on version-5.1 workstations
};

// The captions and boxes of the page for the system of `versionCode`.
SelectPageSetup PageSetupOf(const LanguageTable& language, std::int32_t versionCode);

// An account button's caption: the full name, or the name when it has none.
std::wstring AccountCaption(const st_Account& account);

// Width of the advanced button: wider for the languages whose caption runs long.
int AdvancedButtonWidth(std::uint16_t languageId);

// One category box as the page shows it for an account.
struct CategoryBox {
  int category = 0;
  std::wstring label;
  bool checked = false;
};

// The category boxes after SYSTEM, in display order, for one account.
std::vector<CategoryBox> CategoryBoxesOf(const st_Account& account, std::int32_t versionCode,
                                         const LanguageTable& language);

// The three running figures as the page shows them.
struct FigureTexts {
  std::wstring folders;
  std::wstring files;
  std::wstring total;
  bool operator==(const FigureTexts&) const = default;
};

FigureTexts FigureTextsOf(std::int64_t folders, std::int64_t files, std::uint64_t total,
                          const LanguageTable& language);

}  // namespace tvx
