// The account page's model (CAccountMapping), on the receiving PC: where the
// data of each account of the sending PC goes here (the account of the same
// name, another local account, a new account, or nowhere), and the tool
// options that say so. In USB mode it also finds the store and checks the
// sending PC's profile before it shows the rows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/ini_file.h"
#include "base/message_loop.h"
#include "core/language_table.h"
#include "core/message_view.h"
#include "core/os_facts.h"
#include "core/wizard_messages.h"
#include "pages/accounts/mapping_rows.h"
#include "platform/shell_folders.h"
#include "platform/system_info.h"
#include "platform/user_accounts.h"
#include "select/usb_store_access.h"

namespace tvx {

struct AccountMappingServices {
  const LanguageTable& language;
  MessageView& messages;
  IniFile& ini;  // for PCInfo.txt
  UserAccounts& accounts;
  SystemInfo& system;        // this PC's user-interface language
  ShellFolders& folders;     // the computer name, for accounts created here
  UsbStoreAccess& usbStore;
};

// Told when the rows change, so a view can show them.
class AccountMappingView {
 public:
  virtual ~AccountMappingView() = default;
  virtual void ShowRows(const MappingRows& rows) = 0;
};

class CAccountMapping {
 public:
  // `facts` is the application's: the profile check records the
  // user-interface language in it.
  CAccountMapping(const AccountMappingServices& services, OsFacts& facts, AccountMappingView* view)
      : services_(services), facts_(facts), view_(view) {}

  // The page's wizard is the wizard page set, which catches the ending the
  // page would send (see WizardPageSet::EnterAccountPageFromUsb); the set is
  // built after the page, so it hands itself over here.
  void SetWizard(TargetHandle wizard) { wizard_ = wizard; }
  void SetMethod(std::int32_t method) { method_ = method; }

  // Runs the entry checks (USB mode) and fills the rows afresh: 1 when the
  // wizard must not go on (no USB store found, or its profile could not be
  // taken from it), else 0.
  int EnterPage();
  // The user chose item `item` in row `row`.
  void OnRowChanged(int row, int item);
  // The options the load run appends to the tool's command line.
  std::wstring BuildUserOptions() const;

  const MappingRows& Rows() const { return rows_; }
  const std::vector<st_account>& SourceAccounts() const { return m_arrSourceAccount; }
  const std::vector<st_account>& LocalAccounts() const { return m_arrLocalAccount; }
  // The USB drive root the store was found on (USB mode).
  const std::wstring& StorePath() const { return storePath_; }

 private:
  void FillRows();
  void CreateAccount(std::size_t row);
  void ShowRows();

  AccountMappingServices services_;
  OsFacts& facts_;
  AccountMappingView* view_;
  TargetHandle wizard_;
  std::int32_t method_ = 0;
  std::vector<st_account> m_arrSourceAccount;
  std::vector<st_account> m_arrLocalAccount;
  MappingRows rows_;
  std::wstring storePath_;
};

}  // namespace tvx
