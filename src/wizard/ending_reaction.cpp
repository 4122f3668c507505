#include "wizard/ending_reaction.h"

#include "core/message_face.h"
#include "core/wizard_messages.h"

namespace tvx {
namespace {

EndingReaction Notice(MessageKey title, MessageKey text) {
  return {true, title, text, kMessageOk, EndingAfter::kClose};
}

EndingReaction ClosedConnection(std::intptr_t detail) {
  switch (detail) {
    case kEndedOnSendingPc: return {false, {}, {}, 0, EndingAfter::kBackToData};
    case kEndedOnReceivingPc: return Notice(L"EXIT", L"CONNECTIONCLOSED");
    case kEndedBeforeConnecting: return {false, {}, {}, 0, EndingAfter::kStay};
    default: return {false, {}, {}, 0, EndingAfter::kClose};
  }
}

}  // namespace

EndingReaction ReactionToEnding(int code, std::intptr_t detail) {
  switch (code) {
    case kEndArchMismatch: return Notice(L"EXIT", L"ARCI");
    case kEndLanguageMismatch: return Notice(L"EXIT", L"LANG");
    case kEndVersionMismatch: return Notice(L"EXIT", L"VER");
    case kEndConnectionClosed: return ClosedConnection(detail);
    case kEndConnectionFailure:
      // The sending PC ended a connection whose commands broke the order of
      // the conversation: the user hears of it, and the PC waits again.
      if (detail == kEndedOnSendingPc) return {true, L"CONNECTIONCLOSED", {}, kMessageOk, EndingAfter::kBackToData};
      return Notice(L"EXIT", L"CONNECTIONCLOSED");
    case kEndScanFailed: return Notice(L"EXIT", L"SCANFAIL");
    case kEndFileFailed: return Notice(L"EXIT", L"FILEFAILED");
    case kEndDiskFull: return Notice(L"DISKFAIL", L"DISKFAILDESC");
    case kEndRebootQuestion:
      return {true, L"REBOOT", L"REBOOTDESC", kMessageYesNo, EndingAfter::kRestartOrClose};
    case kEndInvalidFile: return Notice(L"EXIT", L"INVALIDFILE");
    case kEndExitAfterFinish: return Notice(L"EXIT", L"EXITDESC1");
    default: return Notice(L"EXIT", L"CONNECTIONCLOSED");
  }
}

}  // namespace tvx
