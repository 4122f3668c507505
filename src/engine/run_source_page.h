// CRunMigrationSource: the sending PC's network run page. It does no
// migration work: it shows the stage the controllers report, the capture and
// transfer percentages and the time left of the transfer, and when it goes
// away it ends a capture still running and removes a store that was never
// captured to the end, so that it is never offered for resuming.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "base/message_loop.h"
#include "engine/run_page_services.h"
#include "engine/run_view.h"

namespace tvx {

class CRunMigrationSource final : public MessageTarget {
 public:
  explicit CRunMigrationSource(RunPageServices services) : services_(std::move(services)) {}
  ~CRunMigrationSource() override;

  void SetView(RunView* view) { view_ = view; }
  void SetWizard(TargetHandle wizard) { wizard_ = wizard; }
  // The page's copy of the role (11 when this PC sends).
  void SetRole(std::int32_t role) { role_ = role; }

  // Fills the page's controls, when its window is created.
  void OnInitDialog();

  // A stage of the network run, from the wizard. 1 when the first stage
  // carried a refusal (10 architecture, 11 language) that now ends the
  // wizard, else 0.
  int Stage(int stage, std::int64_t value);

  // The wizard starts the strip when it shows the page and stops it when it
  // leaves.
  void StartAnimation();
  void StopAnimation();

  // The page window is going away; also done by the destructor.
  void OnDestroy();

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override;

 private:
  RunPageServices services_;
  RunView* view_ = nullptr;
  TargetHandle wizard_;
  std::int32_t role_ = 0;
  bool destroyed_ = false;
};

}  // namespace tvx
