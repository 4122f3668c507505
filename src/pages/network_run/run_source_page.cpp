#include "pages/network_run/run_source_page.h"

#include "core/wizard_messages.h"
#include "core/wizard_state.h"
#include "engine/program_folder_files.h"
#include "net/controller_messages.h"
#include "net/protocol.h"
#include "pages/shared/run_texts.h"

namespace tvx {
namespace {

// Stage values of the first stage that end the wizard with a refusal.
constexpr std::int64_t kRefusedArchitecture = 10;
constexpr std::int64_t kRefusedLanguage = 11;

}  // namespace

CRunMigrationSource::~CRunMigrationSource() { OnDestroy(); }

void CRunMigrationSource::OnInitDialog() {
  ShowFace(RunPageKind::kSending);
}

int CRunMigrationSource::Stage(int stage, std::int64_t value) {
  if (stage == kStepCheck) {
    if (value == kRefusedArchitecture || value == kRefusedLanguage) {
      wizard_.Post(kMsgWizardEnding, static_cast<WParam>(value), 0);
      return 1;
    }
    if (!view_) return 0;
    if (value != 0) view_->SetStageLine(services_.language.GetText({L"RUN", L"INIT"}));
    else view_->RepaintProgress();
    return 0;
  }
  ShowStage(SendingStageKey(stage));
  return 0;
}

void CRunMigrationSource::OnRunMessage(unsigned msg, WParam w, LParam l) {
  if (msg != kMsgTransferProgress) return;
  ShowPercentValue(w);
  view_->SetTimeLeft(TimeLeftText(static_cast<std::int64_t>(l)));
}

void CRunMigrationSource::OnDestroy() {
  if (!EndToolOnce(L"scanstate.exe")) return;
  if (role_ != kRoleSending) return;
  // A capture without its success line is never offered for resuming.
  const ProgramFolderFiles files(services_.programFolder);
  if (!files.ScanSucceeded()) {
    files.DeleteStore();
    files.DeleteScanFiles();
  }
}

}  // namespace tvx
