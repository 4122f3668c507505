// CRunMigrationTarget: the receiving PC's network run page. It shows the
// stage the controllers report and the apply percentage, and when it goes
// away it ends an apply still running. It deletes nothing.
#pragma once

#include <cstdint>
#include <utility>

#include "base/message_loop.h"
#include "net/controller_messages.h"
#include "pages/network_run/network_run_page.h"
#include "pages/network_run/run_page_services.h"

namespace tvx {

class CRunMigrationTarget final : public NetworkRunPage {
 public:
  CRunMigrationTarget(RunPageServices services, RunView* view)
      : NetworkRunPage(std::move(services), view, kMsgApplyPercent, false) {}
  ~CRunMigrationTarget() override;

  // Fills the page's controls, when its window is created.
  void OnInitDialog();

  // A stage of the network run, from the wizard. Always 0.
  int Stage(int stage, std::int64_t value);

  // The page window is going away; also done by the destructor.
  void OnDestroy();
};

}  // namespace tvx
