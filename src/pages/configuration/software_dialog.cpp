#include "pages/configuration/software_dialog.h"

#include "base/path.h"
#include "profile/app_list.h"
#include "profile/software_list.h"

namespace tvx {

std::wstring FileDialogFilter(std::wstring_view barred) {
  std::wstring filter(barred);
  for (wchar_t& c : filter) {
    if (c == L'|') c = L'\0';
  }
  // However the text ends, the list ends with an empty entry.
  filter.append(2, L'\0');
  return filter;
}

SoftwareDialogTexts SoftwareDialogTextsOf(const LanguageTable& language) {
  return {language.GetText({L"CONFIGURATION", L"DESC3"}), language.GetText({L"CONFIGURATION", L"DESC11"}),
          language.GetText({L"COMMON", L"SAVE"}), language.GetText({L"COMMON", L"CLOSE"})};
}

SoftwareDialog::SoftwareDialog(const std::wstring& programFolder, const EnvironmentStrings& environment)
    : listPath_(JoinPath(programFolder, kAppListName)), environment_(environment) {}

std::vector<std::wstring> SoftwareDialog::Rows() const {
  std::vector<std::wstring> rows = ReadSoftwareList(listPath_).value_or(std::vector<std::wstring>{});
  // The file's byte-order mark is no part of the first program's name; some
  // fonts would draw it as a box.
  if (!rows.empty() && !rows.front().empty() && rows.front().front() == L'\uFEFF') rows.front().erase(0, 1);
  // A file of only the mark lists no programs.
  if (rows.size() == 1 && rows.front().empty()) rows.clear();
  return rows;
}

void SoftwareDialog::SaveCopy(const std::wstring& target) const { SaveSoftwareListCopy(listPath_, target); }

void SoftwareDialog::Keep() const { KeepSoftwareList(listPath_, environment_); }

}  // namespace tvx
