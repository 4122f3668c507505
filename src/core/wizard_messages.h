// Every private window message of the program, with the system's own numbers
// (WM_USER + n), and the codes they carry: page requests, conversation steps
// (which are also the wizard's stage codes) and endings. One place, so that
// every sender and receiver agree on each number and each has one name. The
// sockets' own notification (kWmUser + 1) lives with SocketTarget in base/.
#pragma once

#include "base/message_loop.h"

namespace tvx {

// --- To the wizard --------------------------------------------------------

// A page request; wParam the request code, lParam its extra value.
constexpr unsigned kMsgWizardRequest = kWmUser + 3300;
// A stage of the network run began; wParam the step code, lParam its value.
constexpr unsigned kMsgWizardStage = kWmUser + 3310;
// Enable Back (wParam) and Next (lParam), 1 or 0 each.
constexpr unsigned kMsgWizardNav = kWmUser + 3320;
// A condition that ends the connection or the wizard; wParam the ending
// code, lParam detail. The sockets send it to their controller with the same
// number, and the controllers pass it on to the wizard.
constexpr unsigned kMsgWizardEnding = kWmUser + 3501;

// --- Between the sockets, threads and controllers ---------------------------

// Socket -> its controller: a complete command arrived; wParam is the step
// code. lParam: the sending PC's CFileServerSock*, or on the receiving PC a
// pointer to the header's 64-bit value (std::int64_t*).
constexpr unsigned kMsgCommandStep = kWmUser + 3334;
// Posted to the owner when the tool has ended: wParam 0, or kToolNotStarted
// (engine/tool_thread.h) when it could not be started; lParam 0. It carries
// no result of the run: the owner reads the progress file.
constexpr unsigned kMsgToolFinished = kWmUser + 3336;
// Send thread -> its controller: the send has ended.
constexpr unsigned kMsgSendEnded = kWmUser + 3337;
// CFileListenSock -> the sending-PC controller: a connection was accepted;
// wParam 0, lParam the CFileListenSock*.
constexpr unsigned kMsgAccepted = kWmUser + 3500;
// Send thread -> controller: the store header is about to go out (start the
// progress timer), or the store send has ended (stop it). Timers belong to
// the controller's thread, so the send thread asks for them.
constexpr unsigned kMsgStoreTimerOn = kWmUser + 3610;
constexpr unsigned kMsgStoreTimerOff = kWmUser + 3611;

// --- To the pages ---------------------------------------------------------

// Sending PC -> run page: (percent, remaining seconds) of the store transfer.
constexpr unsigned kMsgTransferProgress = kWmUser + 3338;
// Controller -> run page: show or hide fields, (wParam, lParam) as codes.
constexpr unsigned kMsgRunFields = kWmUser + 3339;
// Sent by the wizard or the controllers: stop the run page's animation.
constexpr unsigned kMsgStopAnimation = kWmUser + 3340;
// Sending PC -> run page: (percent, 0) of the capture.
constexpr unsigned kMsgCapturePercent = kWmUser + 3341;
// Receiving PC -> run page: (percent, 0) of the apply.
constexpr unsigned kMsgApplyPercent = kWmUser + 3342;
// Search thread -> receiving page: the search has ended; wParam the number
// of the search, so the end of a search that was replaced is told apart.
constexpr unsigned kMsgSearchEnded = kWmUser + 3343;
// Receiving controller -> receiving page: the connection attempt failed after
// the connect call had returned, or while its wait dialog was up.
constexpr unsigned kMsgConnectFailed = kWmUser + 3344;
// Sent to the tree's owner when the user changed a check box: wParam the
// item, lParam its new check state.
constexpr unsigned kMsgTreeCheckChanged = kWmUser + 5001;
// Posted by the size worker to the page: a pass has begun (start showing the
// figures), and a pass has ended undisturbed.
constexpr unsigned kMsgSizePassStarted = kWmUser + 5002;
constexpr unsigned kMsgSizePassEnded = kWmUser + 5003;
// Posted by the account page's window to itself: the list of row wParam
// shows another item. Handled after the list's own notice has returned,
// since the new choice may open a dialog.
constexpr unsigned kMsgAccountRowChosen = kWmUser + 5004;

// --- Request codes of kMsgWizardRequest -------------------------------------

constexpr int kRequestSenderRun = 333;     // the peer started, leave the waiting page
constexpr int kRequestAccounts = 334;      // connected, show the account page
constexpr int kRequestLeaveData = 335;     // leave the data page forward, keeping the store
constexpr int kRequestAccountStage = 337;  // the receiving run has started
constexpr int kRequestSenderDone = 340;    // lParam 1 USB run, 0 network run
constexpr int kRequestReceiverDone = 341;  // lParam 1 USB run, 0 network run
constexpr int kRequestConfiguration = 345;  // started with "/config"

// --- Step codes -------------------------------------------------------------
// What a socket reports to its controller for a command (kMsgCommandStep)
// and, the same numbers, the stages the controllers tell the wizard
// (kMsgWizardStage). S: on the sending PC, R: on the receiving PC.

constexpr int kStepAccepted = 330;     // S: a connection was accepted
constexpr int kStepInit = 331;         // S: INIT came; R: CONNECT came
constexpr int kStepCheck = 332;        // both: CHECK came; a non-zero value ends the connection
constexpr int kStepAccount = 334;      // S: ACCOUNT came; R: DATAINFO came
constexpr int kStepScan = 337;         // S: SCAN came; R: the accounts are confirmed
constexpr int kStepCopyRequest = 338;  // S: COPY (the request) came
constexpr int kStepLoad = 339;         // S: LOAD came; R: FINISHCOPY with Applist.ini came
constexpr int kStepFinish = 340;       // S: FINISH came
constexpr int kStepFinishScan = 342;   // S: the store is ready; R: FINISHSCAN came
constexpr int kStepFinishCopy = 343;   // S: FINISHCOPY came; R: COPY with the store came

// --- Ending codes of kMsgWizardEnding ---------------------------------------

constexpr int kEndConnectionFailure = 0;   // receive error, refused or unwritable file
// The compatibility check refused the sending PC's profile.
constexpr int kEndArchMismatch = 10;
constexpr int kEndLanguageMismatch = 11;
constexpr int kEndVersionMismatch = 12;
constexpr int kEndConnectionClosed = 221;  // the peer closed the connection
constexpr int kEndScanFailed = 222;
constexpr int kEndFileFailed = 223;        // a file to send cannot be opened
constexpr int kEndDiskFull = 224;
constexpr int kEndRebootQuestion = 225;
constexpr int kEndInvalidFile = 226;       // the resumed store does not fit or differs
constexpr int kEndExitAfterFinish = 229;

// Where a connection ended, the lParam the controllers add for the wizard.
constexpr int kEndedOnSendingPc = 11;
constexpr int kEndedOnReceivingPc = 12;
constexpr int kEndedBeforeConnecting = 15;

// Posts kMsgWizardNav to the wizard.
inline void PostPageNav(const TargetHandle& wizard, bool back, bool next) {
  wizard.Post(kMsgWizardNav, back ? 1 : 0, next ? 1 : 0);
}

}  // namespace tvx
