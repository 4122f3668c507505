// The finish page (CFinish), the sending PC's last page: the number of files
// captured, the amount of data and the time the run took. Entering it also
// does the sending PC's closing work: the software list, the file count in
// PCInfo.txt and, in USB mode after a good scan, the control files on the
// drive.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/ini_file.h"
#include "core/language_table.h"
#include "core/message_view.h"
#include "core/os_facts.h"
#include "core/wizard_state.h"
#include "pages/results/result_view.h"
#include "platform/uninstall_registry.h"

namespace tvx {

struct FinishServices {
  const LanguageTable& language;
  MessageView& messages;
  IniFile& ini;                     // for PCInfo.txt
  UninstallRegistry& registry;      // for Applist.ini
  std::function<void()> copyProgram;  // the wizard's copy-program action
};

class CFinish {
 public:
  CFinish(const FinishServices& services, const OsFacts& facts, ResultPageView* view)
      : services_(services), facts_(facts), view_(view) {}

  // The page's copy of the user's choice.
  void SetChoice(const WizardChoice& choice) { choice_ = choice; }

  // Fills the labels when the wizard creates the page.
  void OnInitDialog();

  // The scan run has ended. `usbFolder` is the store page's drive ("E:") in
  // USB mode and empty over the network; `elapsedText` is "HH:MM:SS".
  void EnterPage(const std::wstring& usbFolder, const std::wstring& elapsedText);

  // The install link or its button.
  void OnInstall();

  bool ScanFailed() const { return m_bScanFailed != 0; }

 private:
  void ShowScanFailed();
  void PutControlFilesOnDrive(const std::wstring& usbFolder);

  FinishServices services_;
  OsFacts facts_;
  ResultPageView* view_;
  WizardChoice choice_;
  std::int32_t m_bScanFailed = 0;
};

}  // namespace tvx
