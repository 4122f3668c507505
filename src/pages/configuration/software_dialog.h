// The software dialog of the configuration page (CSWList): the programs of
// the old PC as Applist.ini lists them, a copy saved where the user says, and
// the list kept in the machine's shared data folder when the dialog closes.
// This is what the dialog shows and does; its window only draws it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/language_table.h"
#include "platform/environment.h"

namespace tvx {

// The dialog sits at the wizard window's top-left corner plus this offset.
constexpr int kSoftwareDialogOffsetX = 171;
constexpr int kSoftwareDialogOffsetY = 23;
constexpr int kSoftwareDialogWidth = 468;
constexpr int kSoftwareDialogHeight = 529;

// The save dialog: the name it proposes, the extension it adds to a name
// typed without one, and its filter in the "text|pattern|…||" form.
inline constexpr wchar_t kSoftwareSaveName[] = L"AppList.ini";
inline constexpr wchar_t kSoftwareSaveExtension[] = L"ini";
inline constexpr wchar_t kSoftwareSaveFilter[] =
    L"Application List Files (*.ini)|*.ini|All Files (*.*)|*.*||";

// A "text|pattern|…||" filter as the system's file dialogs take it: every
// "|" a terminating zero, the whole ended by two.
std::wstring FileDialogFilter(std::wstring_view barred);

struct SoftwareDialogTexts {
  std::wstring heading;  // CONFIGURATION/DESC3
  std::wstring column;   // CONFIGURATION/DESC11
  std::wstring save;     // COMMON/SAVE
  std::wstring close;    // COMMON/CLOSE
};
SoftwareDialogTexts SoftwareDialogTextsOf(const LanguageTable& language);

class SoftwareDialog {
 public:
  // The list is programFolder\Applist.ini.
  SoftwareDialog(const std::wstring& programFolder, const EnvironmentStrings& environment);

  const std::wstring& ListPath() const { return listPath_; }
  // The list's lines, read afresh, without the file's byte-order mark; none
  // when the file cannot be read.
  std::vector<std::wstring> Rows() const;
  // Save: copies the list to `target`, replacing a file there.
  void SaveCopy(const std::wstring& target) const;
  // Close: keeps the list in the shared data folder.
  void Keep() const;

 private:
  std::wstring listPath_;
  const EnvironmentStrings& environment_;
};

}  // namespace tvx
