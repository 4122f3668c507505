// CRunMigrationTarget: the receiving PC's network run page. It shows the
// stage the controllers report and the apply percentage, and when it goes
// away it ends an apply still running. It deletes nothing.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "base/message_loop.h"
#include "engine/run_page_services.h"
#include "engine/run_view.h"

namespace tvx {

class CRunMigrationTarget final : public MessageTarget {
 public:
  explicit CRunMigrationTarget(RunPageServices services) : services_(std::move(services)) {}
  ~CRunMigrationTarget() override;

  void SetView(RunView* view) { view_ = view; }

  // Fills the page's controls, when its window is created.
  void OnInitDialog();

  // A stage of the network run, from the wizard. Always 0.
  int Stage(int stage, std::int64_t value);

  void StartAnimation();
  void StopAnimation();

  // The page window is going away; also done by the destructor.
  void OnDestroy();

 protected:
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) override;

 private:
  RunPageServices services_;
  RunView* view_ = nullptr;
  bool destroyed_ = false;
};

}  // namespace tvx
