// The messages between the connection sockets, the send threads and the two
// network controllers, and the ending codes they carry. The numbers are the
// system's own (WM_USER + n) and shared with the wizard window.
#pragma once

#include "base/message_loop.h"
#include "core/wizard_messages.h"

namespace tvx {

// Socket -> its controller: a complete command arrived; wParam is the step
// code (protocol.h). lParam: the sending PC's CFileServerSock*, or on the
// receiving PC a pointer to the header's 64-bit value (std::int64_t*).
constexpr unsigned kMsgCommandStep = kWmUser + 3334;
// Send thread -> its controller: the send has ended.
constexpr unsigned kMsgSendEnded = kWmUser + 3337;
// CFileListenSock -> the sending-PC controller: a connection was accepted;
// wParam 0, lParam the CFileListenSock*.
constexpr unsigned kMsgAccepted = kWmUser + 3500;
// Receiving controller -> receiving page: the connection attempt failed after
// the connect call had returned, or while its wait dialog was up.
constexpr unsigned kMsgConnectFailed = kWmUser + 3344;
// An ending condition; wParam is one of the codes below.
constexpr unsigned kMsgConnectionEnd = kMsgWizardEnding;  // the number the wizard hears too

constexpr int kEndConnectionFailure = 0;   // receive error, refused or unwritable file
constexpr int kEndConnectionClosed = 221;  // the peer closed the connection
constexpr int kEndScanFailed = 222;
constexpr int kEndFileFailed = 223;        // a file to send cannot be opened
constexpr int kEndDiskFull = 224;
constexpr int kEndRebootQuestion = 225;
constexpr int kEndInvalidFile = 226;       // the resumed store does not fit or differs
constexpr int kEndExitAfterFinish = 229;

}  // namespace tvx
