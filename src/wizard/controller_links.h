// The wizard flow's view of the two network controllers it was handed.
#pragma once

#include <string>

#include "wizard/wizard_links.h"

namespace tvx {

class CServerControl;
class CClientControl;

class ControllerLinks final : public WizardLinks {
 public:
  // Both controllers must outlive the links.
  ControllerLinks(CServerControl& server, CClientControl& client)
      : server_(server), client_(client) {}

  std::wstring SendingElapsedText() override;
  void BeginAccountStage(const std::wstring& accountOptions) override;
  std::wstring ReceivingElapsedText() override;
  bool ReceivingFinished() override;

 private:
  CServerControl& server_;
  CClientControl& client_;
};

}  // namespace tvx
