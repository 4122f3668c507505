// The timers of the two network controllers. Their messages are in
// core/wizard_messages.h.
#pragma once

#include "core/wizard_messages.h"

namespace tvx {

// Controller timers.
constexpr unsigned kTimerSend = 1;
constexpr unsigned kTimerStoreProgress = 2;
constexpr unsigned kTimerToolPercent = 3;
constexpr unsigned kSendDelayMs = 10;
constexpr unsigned kSendRetryMs = 1000;
constexpr unsigned kStoreProgressMs = 1000;
constexpr unsigned kToolPercentMs = 5000;

}  // namespace tvx
