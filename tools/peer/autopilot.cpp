#include "peer/autopilot.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "base/path.h"
#include "engine/program_folder_files.h"
#include "pages/accounts/account_mapping.h"
#include "pages/connection/nt_config_tcp.h"
#include "pages/data/select_data.h"
#include "pages/migration_type/migration_type.h"
#include "pages/store/store_page.h"

namespace tvx {
namespace {

constexpr unsigned kTimerTick = 1;
constexpr unsigned kTimerGiveUp = 2;

int ItemOf(const CAccountMapping& accounts, const PeerMapping& mapping) {
  const std::size_t locals = accounts.LocalAccounts().size();
  switch (mapping.kind) {
    case PeerMapping::Kind::SameName: return 0;
    case PeerMapping::Kind::Exclude: return static_cast<int>(locals + 1);
    case PeerMapping::Kind::Create: return static_cast<int>(locals + 2);
    case PeerMapping::Kind::Account:
      for (std::size_t l = 0; l < locals; ++l)
        if (accounts.LocalAccounts()[l].strName == mapping.target) return static_cast<int>(l + 1);
      return -1;
  }
  return -1;
}

}  // namespace

bool PressesNextOn(int page, const PeerOptions& options) {
  switch (page) {
    case kPageIntro:
    case kPageMigrationType:
    case kPageData:
    case kPageStore:
    case kPageAccounts:
    case kPageFinish:
    case kPageCompletion:
      return true;
    case kPageConnection:
      return !options.connectTo.empty();
    default:
      return false;
  }
}

Autopilot::Autopilot(const PeerOptions& options, PeerReport& report, WizardFlow& flow,
                     HeadlessWizardView& view, HeadlessMessages& messages, const AutopilotPages& pages)
    : options_(options), report_(report), flow_(flow), view_(view), messages_(messages), pages_(pages) {}

Autopilot::~Autopilot() {
  stopWatching_ = true;
  if (cutWatcher_.joinable()) cutWatcher_.join();
}

void Autopilot::Start() {
  if (options_.cutAtBytes > 0 && !options_.sending) cutWatcher_ = std::thread([this] { WatchForCut(); });
  SetTimer(kTimerTick, kAutopilotTickMs);
  SetTimer(kTimerGiveUp, static_cast<unsigned>(options_.timeoutSeconds) * 1000u);
}

void Autopilot::OnTimer(unsigned id) {
  if (id == kTimerGiveUp) {
    KillTimer(kTimerGiveUp);
    timedOut_ = true;
    report_.Line(L"gave up after " + std::to_wstring(options_.timeoutSeconds) + L" s on page " +
                 std::to_wstring(flow_.PageIndex()));
    MessageLoop::Quit(1);
    return;
  }
  if (!inClick_ && !messages_.InDialog() && !flow_.Closed()) Tick();
}

void Autopilot::Tick() {
  const int page = flow_.PageIndex();
  if (page != lastPage_) {
    lastPage_ = page;
    acted_ = false;
    mayGoOn_ = false;
    pressed_ = false;
    shownAtPage_ = messages_.Shown().size();
  }
  if (page == kPageConnection && NoSendingPcLeft()) {
    report_.Line(L"no connection: the user gives up");
    MessageLoop::Quit(1);
    return;
  }
  if (!acted_) {
    acted_ = true;
    inClick_ = true;
    mayGoOn_ = ActOn(page);
    inClick_ = false;
    return;  // let the page's messages (Next enabled…) arrive first
  }
  // One press per page: where the wizard stays after Next (the connection
  // page while the conversation starts), a second press would start over.
  if (mayGoOn_ && !pressed_ && PressesNextOn(page, options_) && Settled(page) && view_.NextUsable()) PressNext();
}

bool Autopilot::Settled(int page) const {
  if (page != kPageData) return true;
  // The accounts appear a moment after the page, and each change of the
  // selection starts a new size pass: a user waits for the figures.
  const CSelectData& data = *pages_.data;
  return !data.Accounts().empty() && data.ListsBuilt() && data.SizeState() == kSizeStateIdle;
}

bool Autopilot::NoSendingPcLeft() const {
  const std::vector<std::wstring>& shown = messages_.Shown();
  // With an address to type, only a failure after it was tried counts.
  std::size_t from = shownAtPage_;
  if (!options_.connectTo.empty()) from = pressed_ ? shownAtPress_ : shown.size();
  return std::find(shown.begin() + static_cast<std::ptrdiff_t>(from), shown.end(), L"NOSYSTEM") != shown.end();
}

bool Autopilot::ActOn(int page) {
  switch (page) {
    case kPageMigrationType: ChooseMigrationType(); return true;
    case kPageStore: return ChooseStoreDrive();
    case kPageAccounts: MapAccounts(); return true;
    default: return true;
  }
}

void Autopilot::ChooseMigrationType() {
  pages_.migrationType->OnOption(options_.sending ? kOptionSend : kOptionReceive);
  pages_.migrationType->OnOption(options_.network ? kOptionNetwork : kOptionUsb);
  report_.Line(std::wstring(L"choose ") + (options_.sending ? L"send" : L"receive") + L", " +
               (options_.network ? L"network" : L"USB drive"));
}

bool Autopilot::ChooseStoreDrive() {
  CSelectDataStore& store = *pages_.store;
  for (int option = 0; option < store.DriveCount(); ++option) {
    const std::wstring& name = store.DriveNames()[static_cast<std::size_t>(option)];
    if (name.find(std::wstring(1, options_.usbDrive) + L":") == std::wstring::npos) continue;
    store.OnDriveOption(option);
    report_.Line(L"choose drive " + name);
    return true;
  }
  report_.Line(std::wstring(L"drive ") + options_.usbDrive + L": is not offered");
  return false;
}

void Autopilot::MapAccounts() {
  CAccountMapping& accounts = *pages_.accounts;
  for (const PeerMapping& mapping : options_.mappings) {
    int row = -1;
    for (std::size_t k = 0; k < accounts.SourceAccounts().size(); ++k)
      if (accounts.SourceAccounts()[k].strName == mapping.source) row = static_cast<int>(k);
    const int item = ItemOf(accounts, mapping);
    if (row < 0 || item < 0) {
      report_.Line(L"cannot map " + mapping.source + L": no such account");
      continue;
    }
    if (mapping.kind == PeerMapping::Kind::Create) messages_.SetNewAccountName(mapping.target);
    accounts.OnRowChanged(row, item);
  }
  report_.Line(L"account options:" + (accounts.BuildUserOptions().empty() ? L" (none)" : accounts.BuildUserOptions()));
}

void Autopilot::PressNext() {
  pressed_ = true;
  shownAtPress_ = messages_.Shown().size();
  inClick_ = true;
  flow_.OnNext();
  inClick_ = false;
}

void Autopilot::WatchForCut() {
  // A store left by an earlier run does not count: only one that grows.
  const ProgramFolderFiles files(ProgramFolder());
  const std::int64_t before = files.StoreSize();
  while (!stopWatching_) {
    const std::int64_t size = files.StoreSize();
    if (size >= options_.cutAtBytes && size != before) {
      report_.Line(L"cut: the store has " + std::to_wstring(size) + L" bytes; this PC goes dark");
      std::_Exit(3);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
}

}  // namespace tvx
