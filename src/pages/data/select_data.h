// The data page's model (CSelectData): the local accounts and their category
// folders, the folder tree, the selection lists the rule file is built from,
// the running size figures, and the ACCOUNT and DISK sections of the profile.
// It is the page's message target: its timers, the tree's notices and the
// size worker's notices arrive here; the Win32 page forwards clicks to it.
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
#include "pages/data/select_data_view.h"
#include "platform/shell_folders.h"
#include "platform/shell_namespace.h"
#include "platform/user_accounts.h"
#include "select/folder_lister.h"
#include "select/local_tree.h"
#include "select/select_records.h"
#include "select/size_worker.h"

namespace tvx {

// Timers of the page.
constexpr unsigned kTimerAccounts = 1;  // once, 1000 ms after creation
constexpr unsigned kTimerFigures = 2;   // every 250 ms while a computation runs
constexpr unsigned kTimerRebuild = 3;   // once, 100 ms after each page entry
constexpr unsigned kAccountsDelayMs = 1000;
constexpr unsigned kFiguresPeriodMs = 250;
constexpr unsigned kRebuildDelayMs = 100;

// At most this many accounts get a button; the others are reached through
// the folder tree.
constexpr std::size_t kAccountButtons = 4;

struct SelectDataServices {
  const LanguageTable& language;
  MessageView& messages;
  IniFile& ini;  // for PCInfo.txt
  UserAccounts& accounts;
  ShellFolders& folders;
  ShellNamespace& shell;
  FolderLister& lister = FileSystemLister();
};

class CSelectData final : public MessageTarget {
 public:
  CSelectData(const SelectDataServices& services, const OsFacts& facts, SelectDataView* view,
              TargetHandle wizard);
  ~CSelectData() override;

  // The page's copy of the transfer method.
  void SetMethod(std::int32_t method) { method_ = method; }
  // The tree's view.
  CLocalTree& Tree() { return tree_; }

  // One-time set-up when the wizard creates the page: the logged-on user,
  // the size worker, and the timer that lists the accounts.
  void OnInitDialog();
  // Entry from the page before: 1 when the page has asked the wizard to
  // skip it (the user keeps an existing store), else 0.
  int EnterPage();
  // Rewrites ACCOUNT and DISK in PCInfo.txt beside the program.
  void WriteAccountAndDiskInfo();

  // The user's clicks.
  void OnAccountButton(int button);
  void OnAdvancedButton();
  // Category box `box` (0-based after SYSTEM, in display order) is now `ticked`.
  void OnCategoryBox(int box, bool ticked);

  // Read by the wizard once the page is left (the worker is idle then).
  std::uint64_t TotalSize() const { return worker_.Figures().totalSize.load(); }
  std::int64_t FolderCount() const { return worker_.Figures().folderCount.load(); }
  std::int64_t FileCount() const { return worker_.Figures().fileCount.load(); }
  const std::vector<std::wstring>& Folders() const { return m_arrFolder; }
  const std::vector<std::wstring>& Files() const { return m_arrFile; }
  const std::vector<st_Account>& Accounts() const { return m_strTargetAccountList; }
  const std::vector<st_Drive>& Drives() const { return m_arrDrive; }
  const std::wstring& CurrentUser() const { return m_strCurrentUser; }
  int SizeState() const { return worker_.State(); }
  bool ListsBuilt() const { return m_bListsBuilt; }
  bool Advanced() const { return m_bAdvanced; }
  // The account whose button is pressed, or -1.
  int CurrentAccount() const { return currentAccount_; }

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override;
  void OnTimer(unsigned id) override;

 private:
  void ListAccounts();
  void ShowAccounts();
  void Rebuild();
  void FillCategoriesOfAll();
  void TickCategoriesInTree();
  void OnTreeCheckChanged(TreeItemId item);
  void CollectTicked(TreeItemId item);
  void RemoveWithin(const std::wstring& folder);
  void ShowCategoriesOf(int account);
  void ShowFigures();
  // Stops the worker so the lists can change, and starts a new pass after.
  void BeginChange();
  void EndChange();
  void DisableNavigation();

  SelectDataServices services_;
  OsFacts facts_;
  SelectDataView* view_;
  TargetHandle wizard_;
  std::int32_t method_ = 0;

  std::vector<st_Account> m_strTargetAccountList;
  std::vector<st_Drive> m_arrDrive;
  std::vector<std::wstring> m_arrFolder;
  std::vector<std::wstring> m_arrFile;
  std::wstring m_strCurrentUser;
  bool m_bListsBuilt = false;
  bool m_bAdvanced = false;
  int currentAccount_ = -1;
  bool navigationDisabled_ = false;

  CLocalTree tree_;
  // Last: it is stopped before the lists it reads go away.
  SizeWorker worker_;
};

}  // namespace tvx
