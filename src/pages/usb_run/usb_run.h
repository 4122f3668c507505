// CRunMigration: the USB run page's logic, on either PC. On the sending PC it
// captures onto the chosen drive's "TVX" folder, on the receiving PC it finds
// the drive that holds a store and applies it with the account options. It
// follows the tool's progress file every 5 s, tells the wizard when the run
// has ended, and stops its tool if the page goes away first. It is also the
// account page's way to the USB store (UsbStoreAccess).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/message_loop.h"
#include "core/language_table.h"
#include "core/message_view.h"
#include "core/os_facts.h"
#include "engine/tool_runner.h"
#include "engine/tool_thread.h"
#include "engine/usb_drives.h"
#include "pages/shared/run_view.h"
#include "select/usb_store_access.h"

namespace tvx {

class ShellNamespace;

// Progress timers: 1 while a capture runs, 2 while an apply runs.
constexpr unsigned kTimerUsbScan = 1;
constexpr unsigned kTimerUsbLoad = 2;
constexpr unsigned kUsbProgressMs = 5000;

struct UsbRunServices {
  const LanguageTable& language;
  MessageView& messages;
  // The USB drives with free space, in the system's order (ListUsbDrives).
  std::function<std::vector<UsbDrive>()> usbDrives;
  // Ends a running tool by its executable name (StopRunningTool).
  std::function<void(const std::wstring&)> stopTool;
  // Seconds since 1970 (NowSeconds).
  std::function<std::int64_t()> now;
  std::wstring programFolder;
};

class CRunMigration final : public MessageTarget, public UsbStoreAccess {
 public:
  CRunMigration(UsbRunServices services, const OsFacts& facts, RunView* view, TargetHandle wizard);
  ~CRunMigration() override;

  // The page's copy of the role (11 sending, 12 receiving).
  void SetRole(std::int32_t role) { role_ = role; }

  // Fills the page's controls, when its window is created.
  void OnInitDialog();

  // UsbStoreAccess.
  std::wstring FindUsbStore() override;
  bool CopyControlFilesFromDrive(const std::wstring& root) override;
  // After a successful capture: the control files onto the store drive
  // ("E:"), with the message when none could be copied.
  void CopyControlFilesToDrive(const std::wstring& drive);

  // Starts the capture onto `storeDrive` (sending PC) or the apply of the
  // store found on a USB drive with `accountOptions` (receiving PC). 0 when
  // the run started (or one is already running), 1 when no store was found.
  int StartRun(const std::wstring& storeDrive, const std::wstring& accountOptions);

  // The wizard stops the animation when it leaves the page.
  void StopAnimation();
  // Stops a tool still running; also done by the destructor.
  void OnDestroy();

  // "%H:%M:%S" of the last run, set when it ended.
  const std::wstring& ElapsedTextValue() const { return elapsed_; }
  // The store folder of the run ("E:\TVX"), or the drive found last.
  const std::wstring& StoreFolder() const { return storeFolder_; }
  const std::vector<std::wstring>& DriveList() const { return driveList_; }
  bool Running() const { return thread_.Running(); }
  const ToolRunner& Runner() const { return runner_; }

  void OnTimer(unsigned id) override;

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override;

 private:
  bool Sending() const;
  void StartTool(const std::wstring& accountOptions);
  void OnToolFinished();

  UsbRunServices services_;
  OsFacts facts_;
  RunView* view_;
  TargetHandle wizard_;
  std::int32_t role_ = 0;

  std::wstring storeFolder_;
  std::vector<std::wstring> driveList_;
  ToolRunner runner_;
  ToolThread thread_;
  unsigned timer_ = 0;
  std::wstring percent_;
  std::int64_t startTime_ = 0;
  std::wstring elapsed_;
  bool destroyed_ = false;
};

}  // namespace tvx
