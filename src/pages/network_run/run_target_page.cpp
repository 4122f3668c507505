#include "pages/network_run/run_target_page.h"

#include "net/controller_messages.h"
#include "pages/shared/run_texts.h"

namespace tvx {

CRunMigrationTarget::~CRunMigrationTarget() { OnDestroy(); }

void CRunMigrationTarget::OnInitDialog() {
  ShowFace(RunPageKind::kReceiving);
}

int CRunMigrationTarget::Stage(int stage, std::int64_t) {
  ShowStage(ReceivingStageKey(stage));
  return 0;
}

void CRunMigrationTarget::OnRunMessage(unsigned msg, WParam w, LParam) {
  switch (msg) {
    case kMsgRunFields:
      view_->ShowPercent(w != 0);
      break;
    case kMsgApplyPercent:
      view_->SetPercent(PercentText(static_cast<std::int32_t>(w)));
      break;
    default:
      break;
  }
}

void CRunMigrationTarget::OnDestroy() {
  EndToolOnce(L"loadstate.exe");
}

}  // namespace tvx
