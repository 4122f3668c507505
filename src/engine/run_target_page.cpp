#include "engine/run_target_page.h"

#include "engine/run_face.h"
#include "engine/run_texts.h"
#include "net/controller_messages.h"

namespace tvx {

CRunMigrationTarget::~CRunMigrationTarget() { OnDestroy(); }

void CRunMigrationTarget::OnInitDialog() {
  if (view_) view_->ShowFace(MakeRunPageFace(RunPageKind::kReceiving, services_.language));
}

int CRunMigrationTarget::Stage(int stage, std::int64_t) {
  if (const auto key = ReceivingStageKey(stage); key && view_) {
    view_->SetStageLine(services_.language.GetText(*key));
  }
  return 0;
}

std::intptr_t CRunMigrationTarget::OnMessage(unsigned msg, WParam w, LParam) {
  if (!view_) return 0;
  switch (msg) {
    case kMsgRunFields:
      view_->ShowPercent(w != 0);
      break;
    case kMsgApplyPercent:
      view_->SetPercent(PercentText(static_cast<std::int32_t>(w)));
      break;
    case kMsgStopAnimation:
      StopAnimation();
      break;
    default:
      break;
  }
  return 0;
}

void CRunMigrationTarget::StartAnimation() {
  if (view_) view_->StartAnimation();
}

void CRunMigrationTarget::StopAnimation() {
  if (view_) view_->StopAnimation();
}

void CRunMigrationTarget::OnDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (services_.stopTool) services_.stopTool(L"loadstate.exe");
}

}  // namespace tvx
