#include "pages/data/select_data.h"

#include <algorithm>

#include "base/path.h"
#include "base/text.h"
#include "core/message_dialog.h"
#include "core/wizard_state.h"
#include "engine/program_folder_files.h"
#include "profile/pc_info.h"
#include "select/account_categories.h"
#include "select/account_disk_info.h"
#include "select/account_picture.h"
#include "select/account_names.h"
#include "select/fixed_overhead.h"
#include "select/item_text.h"
#include "select/local_accounts.h"
#include "select/path_prefix.h"

namespace tvx {

CSelectData::CSelectData(const SelectDataServices& services, const OsFacts& facts, SelectDataView* view,
                         TargetHandle wizard)
    : services_(services),
      facts_(facts),
      view_(view),
      wizard_(wizard),
      tree_(services.shell),
      worker_(SelectionLists{m_arrFolder, m_arrFile, m_arrDrive}, services.lister) {
  tree_.SetOwner(Handle());
}

CSelectData::~CSelectData() = default;

void CSelectData::OnInitDialog() {
  m_strCurrentUser = UserNameOfProfile(services_.folders.ExpandEnvironment(L"%USERPROFILE%"));
  worker_.Start(Handle());
  SetTimer(kTimerAccounts, kAccountsDelayMs);
}

int CSelectData::EnterPage() {
  const ProgramFolderFiles files(ProgramFolder());
  if (method_ == kMethodNetwork && files.StoreExists()) {
    if (ShowMessage(services_.language, services_.messages, L"NEWSCAN", {}, kMessageYesNo) !=
        kMessageYes) {
      wizard_.Send(kMsgWizardRequest, kRequestLeaveData, 0);
      return 1;
    }
    files.DeleteStore();
    files.DeleteScanFiles();
  }
  const LanguageTable& language = services_.language;
  tree_.SetLanguage(language.LanguageId());
  if (view_) {
    view_->SetUpPage(PageSetupOf(language, facts_.versionCode));
    view_->ShowFigures(
        FigureTextsOf(FolderCount(), FileCount(), kSelectionBaseOverhead, language));
  }
  SetTimer(kTimerRebuild, kRebuildDelayMs);
  return 0;
}

void CSelectData::WriteAccountAndDiskInfo() {
  worker_.Hold(false);
  const std::wstring path = ProgramFilePath(kPcInfoName);
  PreparePcInfo(path);
  const std::wstring systemRoot =
      services_.folders.ExpandEnvironment(L"%SystemDrive%") + L"\\";
  WriteAccountAndDiskSections(services_.ini, path, m_strTargetAccountList, m_arrDrive,
                              systemRoot);
  worker_.Release(false);
}

void CSelectData::OnAccountButton(int button) {
  const std::size_t shown = std::min(kAccountButtons, m_strTargetAccountList.size());
  if (button < 0 || static_cast<std::size_t>(button) >= shown) return;
  m_bAdvanced = false;
  currentAccount_ = button;
  if (view_) {
    view_->ShowAdvanced(false);
    view_->ShowPressedAccount(button);
  }
  ShowCategoriesOf(button);
}

void CSelectData::OnAdvancedButton() {
  m_bAdvanced = true;
  if (view_) {
    view_->ShowPressedAccount(-1);
    view_->ShowAdvanced(true);
  }
}

void CSelectData::OnCategoryBox(int box, bool ticked) {
  const std::optional<int> category = CategoryOfBox(facts_.versionCode, box);
  if (!category || currentAccount_ < 0) return;
  const std::size_t k = static_cast<std::size_t>(*category);
  KillTimer(kTimerFigures);
  BeginChange();
  st_Account& account = m_strTargetAccountList[static_cast<std::size_t>(currentAccount_)];
  const std::wstring path = account.strPath[k];
  account.bChecked[k] = ticked ? 1 : 0;
  // A category without a folder has nothing to select: an empty entry would
  // reach the rule file as a pattern for a drive's root.
  if (!path.empty()) {
    if (ticked) {
      m_arrFolder.push_back(path);
      tree_.SetCheckByPath(path, true);
    } else {
      tree_.SetCheckByPath(path, false);
      RemoveWithin(path);
    }
  }
  EndChange();
}

std::intptr_t CSelectData::OnMessage(unsigned msg, WParam w, LParam) {
  switch (msg) {
    case kMsgTreeCheckChanged:
      OnTreeCheckChanged(static_cast<TreeItemId>(w));
      return 0;
    case kMsgSizePassStarted:
      SetTimer(kTimerFigures, kFiguresPeriodMs);
      return 0;
    case kMsgSizePassEnded:
      ShowFigures();
      if (worker_.State() == kSizeStateIdle && navigationDisabled_) {
        navigationDisabled_ = false;
        wizard_.Send(kMsgWizardNav, 1, 1);
      }
      return 0;
    default: return 0;
  }
}

void CSelectData::OnTimer(unsigned id) {
  switch (id) {
    case kTimerAccounts:
      KillTimer(kTimerAccounts);
      ListAccounts();
      break;
    case kTimerRebuild:
      KillTimer(kTimerRebuild);
      Rebuild();
      break;
    case kTimerFigures:
      ShowFigures();
      if (worker_.FoldersDone() && worker_.FilesDone()) KillTimer(kTimerFigures);
      break;
    default: break;
  }
}

void CSelectData::ListAccounts() {
  worker_.Hold(true);
  m_strTargetAccountList = EnumerateLocalAccounts(services_.accounts, m_strCurrentUser);
  worker_.SetAccountCount(m_strTargetAccountList.size());
  FillCategoriesOfAll();
  // Normally the lists are built later, on page entry; when the page came
  // first, the new folders must reach the tree and the figures now.
  if (m_bListsBuilt) {
    TickCategoriesInTree();
    EndChange();
  } else {
    worker_.Release(false);
  }
  ShowAccounts();
}

void CSelectData::ShowAccounts() {
  // The logged-on user is listed first, so its button is the one pressed; a
  // user the service does not list (a domain account) leaves the first.
  std::vector<AccountButton> buttons;
  currentAccount_ = m_strTargetAccountList.empty() ? -1 : 0;
  for (std::size_t i = 0; i < m_strTargetAccountList.size() && i < kAccountButtons; ++i) {
    const st_Account& account = m_strTargetAccountList[i];
    buttons.push_back({AccountCaption(account), AccountPicturePath(account, MajorVersionOf(facts_))});
  }
  m_bAdvanced = false;
  if (view_) {
    view_->ShowAccountButtons(buttons);
    view_->ShowAdvanced(false);
    view_->ShowPressedAccount(currentAccount_);
  }
  if (currentAccount_ >= 0) ShowCategoriesOf(currentAccount_);
}

void CSelectData::Rebuild() {
  BeginChange();
  if (m_bListsBuilt) {
    tree_.Clear();
    m_arrFolder.clear();
    m_arrFile.clear();
    m_arrDrive.clear();
    m_bListsBuilt = false;
    FillCategoriesOfAll();
  }
  if (!m_bListsBuilt) {
    tree_.Fill();
    for (TreeItemId root : tree_.Roots()) {
      const ShellEntry& entry = tree_.Entry(root);
      m_arrDrive.push_back({DriveDisplayText(entry.displayName), entry.path, 0});
    }
    m_bListsBuilt = true;
    TickCategoriesInTree();
  }
  EndChange();
  if (currentAccount_ >= 0 && !m_bAdvanced) ShowCategoriesOf(currentAccount_);
}

void CSelectData::FillCategoriesOfAll() {
  for (st_Account& account : m_strTargetAccountList) {
    FillAccountCategories(account, services_.folders, m_strCurrentUser, facts_.versionCode,
                          services_.lister, m_arrFolder);
  }
}

void CSelectData::TickCategoriesInTree() {
  for (const st_Account& account : m_strTargetAccountList) {
    for (std::size_t k = 0; k < kCategoryCount; ++k) {
      if (account.llSize[k] != 0) tree_.SetCheckByPath(account.strPath[k], true);
    }
  }
}

void CSelectData::OnTreeCheckChanged(TreeItemId item) {
  if (!tree_.Exists(item)) return;
  const int state = tree_.CheckState(item);
  const std::wstring& itemPath = tree_.Path(item);
  for (st_Account& account : m_strTargetAccountList) {
    for (std::size_t k = 0; k < kCategoryCount; ++k) {
      const std::wstring& path = account.strPath[k];
      if (IsPathWithin(itemPath, path) || IsPathWithin(path, itemPath)) {
        account.bChecked[k] = state != kCheckClear ? 1 : 0;
      }
    }
  }
  KillTimer(kTimerFigures);
  BeginChange();
  TreeItemId top = item;
  while (tree_.Parent(top) != 0) top = tree_.Parent(top);
  RemoveWithin(tree_.Path(top));
  for (TreeItemId child : tree_.Children(top)) CollectTicked(child);
  EndChange();
}

void CSelectData::CollectTicked(TreeItemId item) {
  const int state = tree_.CheckState(item);
  if (state == kCheckPartly) {
    for (TreeItemId child : tree_.Children(item)) CollectTicked(child);
    return;
  }
  const ShellEntry& entry = tree_.Entry(item);
  if (state != kCheckTicked || entry.path.empty()) return;
  (entry.isFolder ? m_arrFolder : m_arrFile).push_back(entry.path);
}

void CSelectData::RemoveWithin(const std::wstring& folder) {
  const auto inside = [&folder](const std::wstring& entry) { return IsPathWithin(folder, entry); };
  std::erase_if(m_arrFolder, inside);
  std::erase_if(m_arrFile, inside);
}

void CSelectData::ShowCategoriesOf(int account) {
  if (!view_ || account < 0 || static_cast<std::size_t>(account) >= m_strTargetAccountList.size()) {
    return;
  }
  view_->ShowCategories(CategoryBoxesOf(m_strTargetAccountList[static_cast<std::size_t>(account)],
                                        facts_.versionCode, services_.language));
}

void CSelectData::ShowFigures() {
  if (!view_) return;
  view_->ShowFigures(FigureTextsOf(FolderCount(), FileCount(), TotalSize(), services_.language));
}

void CSelectData::BeginChange() { worker_.Hold(true); }

void CSelectData::EndChange() {
  worker_.Release(true);
  DisableNavigation();
}

void CSelectData::DisableNavigation() {
  if (navigationDisabled_) return;
  navigationDisabled_ = true;
  wizard_.Send(kMsgWizardNav, 0, 0);
}

}  // namespace tvx
