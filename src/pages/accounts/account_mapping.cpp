#include "pages/accounts/account_mapping.h"

#include "base/path.h"
#include "base/text.h"
#include "core/message_dialog.h"
#include "core/wizard_state.h"
#include "profile/pc_info.h"
#include "select/local_accounts.h"

namespace tvx {

int CAccountMapping::EnterPage() {
  if (method_ == kMethodUsb) {
    const std::wstring root = services_.usbStore.FindUsbStore();
    if (root.empty()) {
      ShowMessage(services_.language, services_.messages, L"DISK", L"DISKDESC", kMessageOk);
      return 1;
    }
    storePath_ = root;
    if (!services_.usbStore.CopyControlFilesFromDrive(root)) return 1;
    const int refusal = CheckProfileCompatibility(services_.ini, ProgramFilePath(kPcInfoName),
                                                  facts_, services_.system.UserDefaultUiLanguage());
    if (refusal != 0) {
      wizard_.Send(kMsgWizardEnding, static_cast<WParam>(refusal), 0);
      return 0;
    }
  }
  FillRows();
  return 0;
}

void CAccountMapping::FillRows() {
  m_arrSourceAccount.clear();
  for (const SourceAccount& source : ReadSourceAccounts(services_.ini, ProgramFilePath(kPcInfoName))) {
    m_arrSourceAccount.push_back({source.name, source.fullName, source.domain});
  }
  m_arrLocalAccount.clear();
  for (const LocalAccountRecord& local : ReadLocalAccounts(services_.accounts, services_.messages)) {
    m_arrLocalAccount.push_back({local.name, local.fullName, local.domain});
  }
  const LanguageTable& language = services_.language;
  const MappingTexts texts{language.GetText({L"ACCOUNT", L"SELECT"}),
                           language.GetText({L"ACCOUNT", L"EXCLUDE"}),
                           language.GetText({L"ACCOUNT", L"CREATE"})};
  rows_ = FillMappingRows(m_arrSourceAccount, m_arrLocalAccount, texts);
  ShowRows();
}

void CAccountMapping::OnRowChanged(int row, int item) {
  if (row < 0 || static_cast<std::size_t>(row) >= kMappingRows) return;
  const std::size_t r = static_cast<std::size_t>(row);
  MappingRow& current = rows_[r];
  if (item < 0 || static_cast<std::size_t>(item) >= current.items.size()) return;
  current.chosen = item;
  if (item == CreateItem(m_arrLocalAccount.size())) {
    current.chosen = 0;
    CreateAccount(r);
  }
  if (IsDuplicateTarget(rows_, r, m_arrLocalAccount.size())) {
    rows_[r].chosen = 0;
    ShowRows();
    ShowMessage(services_.language, services_.messages, L"ACCOUNT", L"ACCOUNTDESC", kMessageOk);
    return;
  }
  ShowRows();
}

void CAccountMapping::CreateAccount(std::size_t row) {
  CMessageDlg dialog(services_.language, services_.messages,
                     services_.language.MessageText(L"CREATE"), L"", kMessageNewAccount,
                     rows_[row].label);
  if (dialog.DoModal() != kMessageYes) return;
  const std::wstring& name = dialog.ResultName();
  // A name no account can have would break the tool's options: the row stays
  // as it was, and the user is told why.
  if (!IsUsableAccountName(name)) {
    ShowMessage(services_.language, services_.messages, L"CREATE", L"ACCOUNTNAME", kMessageOk);
    return;
  }
  // Naming an account that is listed already chooses that account, so two
  // entries never stand for the same account.
  for (std::size_t l = 0; l < m_arrLocalAccount.size(); ++l) {
    if (EqualsNoCase(m_arrLocalAccount[l].strName, name)) {
      rows_[row].chosen = static_cast<int>(l) + 1;
      return;
    }
  }
  std::wstring domain;
  if (!m_arrLocalAccount.empty()) {
    domain = m_arrLocalAccount.front().strDomain;
  } else {
    // Nobody to take the domain from: a local account's domain is this
    // computer's name.
    domain = services_.folders.ExpandEnvironment(L"%COMPUTERNAME%");
    if (domain.find(L'%') != std::wstring::npos) domain.clear();
  }
  const std::size_t localCount = m_arrLocalAccount.size();
  m_arrLocalAccount.push_back({name, name, domain});
  InsertCreatedAccount(rows_, localCount, name);
  rows_[row].chosen = ExcludeItem(localCount);
}

std::wstring CAccountMapping::BuildUserOptions() const {
  return tvx::BuildUserOptions(rows_, m_arrSourceAccount, m_arrLocalAccount);
}

void CAccountMapping::ShowRows() {
  if (view_) view_->ShowRows(rows_);
}

}  // namespace tvx
