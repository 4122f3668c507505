// CRunMigrationSource: the sending PC's network run page. It does no
// migration work: it shows the stage the controllers report, the capture and
// transfer percentages and the time left of the transfer, and when it goes
// away it ends a capture still running and removes a store that was never
// captured to the end, so that it is never offered for resuming.
#pragma once

#include <cstdint>
#include <utility>

#include "base/message_loop.h"
#include "net/controller_messages.h"
#include "pages/network_run/network_run_page.h"
#include "pages/network_run/run_page_services.h"

namespace tvx {

class CRunMigrationSource final : public NetworkRunPage {
 public:
  CRunMigrationSource(RunPageServices services, RunView* view, TargetHandle wizard)
      : NetworkRunPage(std::move(services), view, kMsgCapturePercent, true), wizard_(wizard) {}
  ~CRunMigrationSource() override;

  // The page's copy of the role (11 when this PC sends).
  void SetRole(std::int32_t role) { role_ = role; }

  // Fills the page's controls, when its window is created.
  void OnInitDialog();

  // A stage of the network run, from the wizard. 1 when the first stage
  // carried a refusal (10 architecture, 11 language) that now ends the
  // wizard, else 0.
  int Stage(int stage, std::int64_t value);

  // The page window is going away; also done by the destructor.
  void OnDestroy();

 private:
  void OnRunMessage(unsigned msg, WParam w, LParam l) override;

  TargetHandle wizard_;
  std::int32_t role_ = 0;
};

}  // namespace tvx
