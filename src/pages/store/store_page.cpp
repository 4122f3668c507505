#include "pages/store/store_page.h"

#include "base/debug_output.h"
#include "base/text.h"
#include "core/wizard_messages.h"
#include "pages/store/store_drives.h"
#include "select/item_text.h"

namespace tvx {

CSelectDataStore::CSelectDataStore(const StorePageServices& services, StorePageView* view, TargetHandle wizard)
    : services_(services), view_(view), wizard_(wizard) {
  if (!services_.listDrives) {
    ShellNamespace& shell = services_.shell;
    services_.listDrives = [&shell] { return ListUsbDrives(shell); };
  }
}

CSelectDataStore::~CSelectDataStore() = default;

void CSelectDataStore::OnInitDialog() {
  if (!view_) return;
  const LanguageTable& language = services_.language;
  view_->SetUpPage({language.GetText({L"SELECTDATASTORE", L"TITLE"}),
                    language.GetText({L"SELECTDATASTORE", L"PAGEDESC"}),
                    language.GetText({L"COMMON", L"SENDPC"}),
                    language.GetText({L"COMMON", L"TUSB"}),
                    language.GetText({L"SELECTDATASTORE", L"NOUSB1"}),
                    language.GetText({L"SELECTDATASTORE", L"NOUSB2"})});
}

void CSelectDataStore::Refresh() {
  if (!view_) return;
  ResetOptions();
  ListDrives();
  view_->ShowNoDriveTexts(driveCount_ == 0);
  if (AnyLatched()) {
    PostPageNav(wizard_, false, true);
  } else if (chosen_) {
    // The options were rebuilt under the user's choice, and the index it
    // kept may now name another drive, one without room, or none at all:
    // the user chooses again before going on.
    PostPageNav(wizard_, true, false);
  }
  chosen_ = false;
  SetTimer(kTimerShowDrives, kShowDrivesDelayMs);
}

void CSelectDataStore::OnDriveListChanged() {
  Refresh();
  SetTimer(kTimerShowDrives, kShowDrivesAfterChangeMs);
}

void CSelectDataStore::ResetOptions() {
  const int resting = RestingLook(services_.looks);
  for (int option = 0; option < kStoreDriveOptions; ++option) {
    const OptionPosition at = DriveOptionPosition(option);
    view_->ResetOption(option, at.x, at.y);
    view_->ShowOption(option, false);
    view_->SetLook(option, resting);
    view_->EnableOption(option, true);
  }
}

void CSelectDataStore::ListDrives() {
  driveNames_.clear();
  sizeTexts_.clear();
  driveRoots_.clear();
  driveCount_ = 0;
  const std::vector<UsbDrive> drives = services_.listDrives();
  const std::vector<ShellEntry> entries =
      drives.empty() ? std::vector<ShellEntry>() : services_.shell.ComputerEntries();
  for (const UsbDrive& drive : drives) {
    if (driveCount_ == kStoreDriveOptions) break;
    if (drive.freeBytes <= 0) continue;
    const auto freeBytes = static_cast<std::uint64_t>(drive.freeBytes);
    driveNames_.push_back(ShellNameOf(entries, drive.root));
    sizeTexts_.push_back(DriveSizeText(freeBytes, requiredSize_, services_.language));
    driveRoots_.push_back(drive.root);
    if (!HasRoomFor(freeBytes, requiredSize_)) {
      // The look it had is kept where a disabled button's look is kept.
      services_.looks.navigationButton = view_->Look(driveCount_);
      view_->SetLook(driveCount_, kLookDisabled);
      view_->EnableOption(driveCount_, false);
    }
    ++driveCount_;
  }
}

std::wstring CSelectDataStore::ShellNameOf(const std::vector<ShellEntry>& entries,
                                           const std::wstring& root) const {
  for (const ShellEntry& entry : entries) {
    // Made as the folder tree makes its texts, so an Arabic name survives.
    if (EqualsNoCase(entry.path, root)) {
      return TreeItemText(entry.displayName, services_.language.LanguageId());
    }
  }
  DebugOut(L"store page: no shell name for " + root);
  return L"(" + DesignatorOfRoot(root) + L")";
}

void CSelectDataStore::OnTimer(unsigned id) {
  if (id != kTimerShowDrives) return;
  KillTimer(kTimerShowDrives);
  ShowDrives();
}

void CSelectDataStore::ShowDrives() {
  if (!view_) return;
  for (int option = 0; option < driveCount_; ++option) {
    const auto at = static_cast<std::size_t>(option);
    view_->SetDriveCaption(option, driveNames_[at] + L"\r\n" + sizeTexts_[at]);
    view_->ShowOption(option, true);
  }
}

void CSelectDataStore::OnDriveOption(int option) {
  if (!view_ || option < 0 || option >= driveCount_) return;
  if (view_->Look(option) == kLookDisabled) return;
  LatchOption(*view_, option, services_.looks);
  for (int other = 0; other < kStoreDriveOptions; ++other) {
    if (other != option) ReleaseOption(*view_, other, services_.looks);
  }
  selection_ = option;
  chosen_ = true;
  PostPageNav(wizard_, true, true);
}

bool CSelectDataStore::AnyLatched() const {
  for (int option = 0; option < kStoreDriveOptions; ++option) {
    if (view_->Look(option) == kLookLatched) return true;
  }
  return false;
}

std::wstring CSelectDataStore::StorePath() {
  if (driveCount_ == 0 || selection_ < 0 || selection_ >= driveCount_) return storePath_;
  const auto at = static_cast<std::size_t>(selection_);
  std::wstring designator = DesignatorFromName(driveNames_[at]);
  // A shell that shows no drive letters gives a name without one; the drive
  // itself still knows where it is.
  if (!IsDriveDesignator(designator)) designator = DesignatorOfRoot(driveRoots_[at]);
  storePath_ = designator;
  return storePath_;
}

std::intptr_t CSelectDataStore::OnMessage(unsigned, WParam, LParam) { return 0; }

}  // namespace tvx
