// The store page (CSelectDataStore), sending PC in USB mode: up to six USB
// drives as latching options, each with its free space or the space it
// lacks for the selection; the chosen drive's designator is where the store
// goes. A drive without room for the selection cannot be chosen.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/message_loop.h"
#include "core/language_table.h"
#include "core/wizard_state.h"
#include "engine/usb_drives.h"
#include "pages/shared/option_group.h"
#include "platform/shell_namespace.h"

namespace tvx {

// At most this many drives are listed; further drives are ignored.
constexpr int kStoreDriveOptions = 6;

// The options are shown a moment after a refresh, and a second after a
// drive came or went.
constexpr unsigned kTimerShowDrives = 1;
constexpr unsigned kShowDrivesDelayMs = 100;
constexpr unsigned kShowDrivesAfterChangeMs = 1000;

struct StorePageTexts {
  std::wstring title;        // SELECTDATASTORE/TITLE
  std::wstring description;  // SELECTDATASTORE/PAGEDESC
  std::wstring pcLabel;      // COMMON/SENDPC
  std::wstring usbLabel;     // COMMON/TUSB
  std::wstring noDrive1;     // SELECTDATASTORE/NOUSB1
  std::wstring noDrive2;     // SELECTDATASTORE/NOUSB2
};

class StorePageView : public OptionButtons {
 public:
  virtual void SetUpPage(const StorePageTexts& texts) = 0;
  // Gives option `option` its bitmaps and the caption "USB" in the body font,
  // at (x, y) of the page.
  virtual void ResetOption(int option, int x, int y) = 0;
  // A drive's caption: name, line break, size text, in the option's drive box.
  virtual void SetDriveCaption(int option, const std::wstring& caption) = 0;
  virtual void ShowOption(int option, bool show) = 0;
  // The two no-drive texts and their symbol.
  virtual void ShowNoDriveTexts(bool show) = 0;
};

// The USB drives with room above zero, in the system's order.
using UsbDriveLister = std::function<std::vector<UsbDrive>()>;

struct StorePageServices {
  const LanguageTable& language;
  ShellNamespace& shell;      // the drives' display names
  RememberedLooks& looks;
  UsbDriveLister listDrives;  // empty: ListUsbDrives(shell)
};

class CSelectDataStore final : public MessageTarget {
 public:
  CSelectDataStore(const StorePageServices& services, StorePageView* view, TargetHandle wizard);
  ~CSelectDataStore() override;


  void OnInitDialog();
  // The space the store needs; set by the wizard before Refresh.
  void SetRequiredSize(std::uint64_t bytes) { requiredSize_ = bytes; }

  // Rebuilds the options from the drives attached now.
  void Refresh();
  // A volume arrived or went away: rebuild, and show the options a second
  // later.
  void OnDriveListChanged();
  // The user chose drive option `option`.
  void OnDriveOption(int option);

  // The chosen drive's designator ("E:"). Unchanged (empty at first) while
  // no drive is listed or the chosen one is no longer in the list.
  std::wstring StorePath();

  int DriveCount() const { return driveCount_; }
  int Selection() const { return selection_; }
  const std::vector<std::wstring>& DriveNames() const { return driveNames_; }
  const std::vector<std::wstring>& SizeTexts() const { return sizeTexts_; }

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override;
  void OnTimer(unsigned id) override;

 private:
  void ResetOptions();
  void ListDrives();
  std::wstring ShellNameOf(const std::vector<ShellEntry>& entries, const std::wstring& root) const;
  void ShowDrives();
  bool AnyLatched() const;

  StorePageServices services_;
  StorePageView* view_;
  TargetHandle wizard_;

  std::vector<std::wstring> driveNames_;
  std::vector<std::wstring> sizeTexts_;
  std::vector<std::wstring> driveRoots_;
  int driveCount_ = 0;
  int selection_ = 0;
  bool chosen_ = false;  // a drive was chosen since the last rebuild
  std::uint64_t requiredSize_ = 0;
  std::wstring storePath_;
};

}  // namespace tvx
