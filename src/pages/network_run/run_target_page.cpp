#include "pages/network_run/run_target_page.h"

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

void CRunMigrationTarget::OnDestroy() {
  EndToolOnce(L"loadstate.exe");
}

}  // namespace tvx
