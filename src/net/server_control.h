// CServerControl: the sending PC's side of the network transfer. It listens,
// answers each command of the receiving PC with the next one of the
// conversation, sends the control files and the store on a send thread,
// runs the capture when asked and reports pages, stages, progress and
// endings to the wizard window and the run page by message.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/message_loop.h"
#include "core/language_table.h"
#include "core/message_view.h"
#include "core/os_facts.h"
#include "engine/program_folder_files.h"
#include "engine/tool_runner.h"
#include "engine/tool_thread.h"
#include "net/conversation_turn.h"
#include "net/file_server_sock.h"
#include "net/transfer_clock.h"
#include "platform/uninstall_registry.h"

namespace tvx {

struct ServerSetup {
  TargetHandle wizard;
  TargetHandle runPage;
  OsFacts facts;
  std::wstring programFolder;
  // Read for Applist.ini; must outlive the controller. Null: the machine's own.
  UninstallRegistry* registry = nullptr;
  // The dotted address to listen on; empty: every interface, as the program
  // does. A sandbox PC listens on loopback only.
  std::wstring listenAddress;
  // Where a tool that could not start is reported, and where the user is
  // asked whether the PC that connected may have the data. Without a view
  // or texts nobody can be asked, and every receiving PC is taken.
  MessageView* view = nullptr;
  const LanguageTable* language = nullptr;
};

class CServerControl final : public MessageTarget {
 public:
  explicit CServerControl(ServerSetup setup);
  ~CServerControl() override;

  // Listens on `port` (0: any free one, see ListenPort). 0 on success, also
  // when a transfer is running (nothing changes then); 1 on failure.
  int StartListening(unsigned port);
  unsigned ListenPort() const;

  // The controller's single entry for every step (protocol.h step codes).
  void Step(int step, std::int64_t value);

  const std::wstring& ElapsedTextValue() const { return elapsed_; }
  bool Busy() const { return busy_; }
  bool Finished() const { return finished_; }
  bool HasConnection() const { return connection_ != nullptr; }

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override;
  void OnTimer(unsigned id) override;

 private:
  class SendReport;

  void OnAccepted();
  void OnCommand(WParam step, LParam socket);
  // Asks the user whether the PC that sent INIT on `socket` may have the
  // data; closes that connection on no. True when the conversation goes on.
  bool ConfirmReceivingPc(LParam socket);
  void OnSendEnded(WParam send);
  void RefuseOutOfTurn(LParam socket);
  void OnCaptureEnded();
  void OnConnectionEnded(WParam code, LParam socket);
  void RemoveConnection(LParam socket);
  void StartCapture();
  void StartSend();
  void JoinSend();
  void Prepare(const wchar_t* command, std::wstring path, std::int64_t value);
  void ReportStoreProgress();
  void ReportCapturePercent();
  std::wstring RuleFilePath() const;

  ServerSetup setup_;
  ProgramFolderFiles files_;
  std::unique_ptr<UninstallRegistry> ownRegistry_;
  std::unique_ptr<CFileListenSock> listen_;
  std::unique_ptr<CFileServerSock> connection_;
  // Connections removed while a send still wrote to them; freed once it ends.
  std::vector<std::unique_ptr<CFileServerSock>> retired_;
  ToolRunner runner_;
  ToolThread capture_;
  ConversationTurn turn_{ConversationSide::kSendingPc};
  // A connection accepted while the capture ran: its CONNECT goes out when
  // the capture has ended, so the conversation starts from the beginning.
  bool connectOwed_ = false;
  // The capture ended with nobody to send it to: whoever asks next gets it
  // as a fresh one.
  bool storeUnsent_ = false;
  // The user is being asked about the connected PC: nobody else comes in.
  bool confirming_ = false;

  std::wstring pendingCommand_;
  std::wstring pendingPath_;
  std::int64_t pendingValue_ = 0;
  bool busy_ = false;
  bool finished_ = false;
  std::int64_t startTime_ = 0;
  std::wstring elapsed_;

  std::thread sendThread_;
  // Numbers each send; its end carries the number, so the late end of one
  // send is never taken for the end of the next.
  WParam sendNumber_ = 0;
  std::atomic<bool> sendBusy_{false};
  std::atomic<std::uint64_t> sent_{0};
  std::atomic<std::uint64_t> size_{0};
  StoreProgress progress_;
};

}  // namespace tvx
