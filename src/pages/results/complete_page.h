// The completion page (CComplete), the receiving PC's last page: the number
// of files migrated, the amount of data applied and the time the run took.
// Entering it registers the follow-up task that the configuration start
// ("/config") later removes.
#pragma once

#include <cstdint>
#include <string>

#include "base/ini_file.h"
#include "core/language_table.h"
#include "core/os_facts.h"
#include "core/wizard_state.h"
#include "pages/results/result_view.h"
#include "platform/shell_exec.h"

namespace tvx {

// The follow-up task and the definitions it is registered from, beside the
// program.
inline constexpr wchar_t kFollowUpTaskName[] = L"Tralvex";
inline constexpr wchar_t kTaskDefinition32[] = L"Tralvex.xml";
inline constexpr wchar_t kTaskDefinition64[] = L"Tralvex_64.xml";

// The definition file a system of `archCode` registers the task from.
const wchar_t* TaskDefinitionName(std::int32_t archCode);
// schtasks.exe's parameters that register the task from `definitionPath`.
std::wstring CreateTaskParameters(const std::wstring& definitionPath);

struct CompleteServices {
  const LanguageTable& language;
  const IniFile& ini;  // for PCInfo.txt
  ShellExec& shell;
};

class CComplete {
 public:
  CComplete(const CompleteServices& services, const OsFacts& facts, ResultPageView* view)
      : services_(services), facts_(facts), view_(view) {}

  // The page's copy of the user's choice.
  void SetChoice(const WizardChoice& choice) { choice_ = choice; }

  // Fills the labels when the wizard creates the page.
  void OnInitDialog();

  // The load run has ended; `elapsedText` is "HH:MM:SS".
  void EnterPage(const std::wstring& elapsedText);

  bool LoadFailed() const { return m_bLoadFailed != 0; }

 private:
  void RegisterFollowUpTask();
  void ShowLoadFailed();

  CompleteServices services_;
  OsFacts facts_;
  ResultPageView* view_;
  WizardChoice choice_;
  std::int32_t m_bLoadFailed = 0;
};

}  // namespace tvx
