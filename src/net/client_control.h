// CClientControl: the receiving PC's side of the network transfer. It
// connects to the sending PC, answers each of its commands with the next one
// of the conversation, checks the two profiles, decides whether a partial
// store is resumed, runs the apply when the store has arrived and reports
// pages, stages, progress and endings to the wizard window and the run page.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "base/ini_file.h"
#include "base/message_loop.h"
#include "core/language_table.h"
#include "core/message_dialog.h"
#include "core/message_view.h"
#include "core/os_facts.h"
#include "engine/program_folder_files.h"
#include "engine/tool_runner.h"
#include "engine/tool_thread.h"
#include "net/file_client_sock.h"
#include "net/protocol.h"

namespace tvx {

struct ClientSetup {
  TargetHandle wizard;
  TargetHandle runPage;
  // This PC; the profile check records the current user-interface language.
  OsFacts facts;
  std::uint16_t currentUiLanguage = 0;
  std::wstring programFolder;
  unsigned port = kTransferPort;
  // These must outlive the controller.
  IniFile* ini = nullptr;
  const LanguageTable* language = nullptr;
  MessageView* view = nullptr;
};

class CClientControl final : public MessageTarget {
 public:
  explicit CClientControl(ClientSetup setup);
  ~CClientControl() override;

  // Connects to the sending PC at the dotted `address`. With `wait`, a
  // cancellable wait dialog stays up until the conversation starts. 0 when
  // the connection is under way or made, 1 on failure or when the user gave up.
  int Connect(const std::wstring& address, bool wait);
  void Finalize();
  // Where an attempt that fails after Connect returned 0, or while its wait
  // dialog is up, is reported: kMsgConnectFailed is posted to `watcher`
  // (the connection page), which tells the user. The wait dialog then ends
  // as a cancel would, and Connect returns 1.
  void SetAttemptWatcher(TargetHandle watcher) { watcher_ = watcher; }

  // The account options of the apply's command line (from the account page).
  void SetAccountOptions(std::wstring options) { accountOptions_ = std::move(options); }
  // The controller's single entry for every step; the wizard calls step 337
  // once the user has confirmed the accounts.
  void Step(int step, std::int64_t value);

  const std::wstring& ElapsedTextValue() const { return elapsed_; }
  bool Connected() const { return connected_; }
  bool Finished() const { return finished_; }
  // The connection, for tests that cut it.
  CFileClientSock& Socket() { return socket_; }

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override;
  void OnTimer(unsigned id) override;

 private:
  void Prepare(const wchar_t* command, std::int64_t value);
  void CheckProfile();
  void RequestStore(std::int64_t remoteSize);
  void StartApply();
  void OnApplyEnded();
  void OnDisconnected(WParam code, LParam l);
  void OnAttemptFailed();
  void StartSend();
  void JoinSend();
  void ReportApplyPercent();

  ClientSetup setup_;
  ProgramFolderFiles files_;
  CFileClientSock socket_;
  ToolRunner runner_;
  ToolThread apply_;
  std::unique_ptr<CMessageDlg> waitDialog_;
  TargetHandle watcher_;
  std::wstring accountOptions_;

  std::wstring pendingCommand_;
  std::int64_t pendingValue_ = 0;
  std::wstring sentCommand_;  // of the send thread started last
  bool accountSent_ = false;  // this conversation's ACCOUNT has gone out
  bool scanWaiting_ = false;  // the accounts were confirmed before that
  bool connected_ = false;
  bool finished_ = false;
  std::int64_t startTime_ = 0;
  std::wstring elapsed_;

  std::thread sendThread_;
  std::atomic<bool> sendBusy_{false};
};

}  // namespace tvx
