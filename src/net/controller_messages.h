// What the two network controllers tell the wizard window and the run pages.
// The numbers are the system's own (WM_USER + n), shared with the wizard.
#pragma once

#include "base/message_loop.h"
#include "core/wizard_messages.h"

namespace tvx {

// Sending PC -> run page: (percent, remaining seconds) of the store transfer.
constexpr unsigned kMsgTransferProgress = kWmUser + 3338;
// Controller -> run page: show or hide fields, (wParam, lParam) as codes.
constexpr unsigned kMsgRunFields = kWmUser + 3339;
// Sending PC -> run page: (percent, 0) of the capture.
constexpr unsigned kMsgCapturePercent = kWmUser + 3341;
// Receiving PC -> run page: (percent, 0) of the apply.
constexpr unsigned kMsgApplyPercent = kWmUser + 3342;

// Why the controllers report a connection that ended (lParam of kMsgConnectionEnd
// to the wizard).
constexpr int kEndedOnSendingPc = 11;
constexpr int kEndedOnReceivingPc = 12;
constexpr int kEndedBeforeConnecting = 15;

// Controller timers.
constexpr unsigned kTimerSend = 1;
constexpr unsigned kTimerStoreProgress = 2;
constexpr unsigned kTimerToolPercent = 3;
constexpr unsigned kSendDelayMs = 10;
constexpr unsigned kSendRetryMs = 1000;
constexpr unsigned kStoreProgressMs = 1000;
constexpr unsigned kToolPercentMs = 5000;

}  // namespace tvx
