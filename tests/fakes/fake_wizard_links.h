// The two network controllers as the wizard flow sees them.
#pragma once

#include <string>
#include <vector>

#include "wizard/wizard_links.h"

namespace tvx {

class FakeWizardLinks final : public WizardLinks {
 public:
  std::wstring sendingElapsed = L"00:10:00";
  std::wstring receivingElapsed = L"00:20:00";
  bool receivingFinished = false;
  std::vector<std::wstring> accountStages;  // options of every BeginAccountStage

  std::wstring SendingElapsedText() override { return sendingElapsed; }
  void BeginAccountStage(const std::wstring& options) override { accountStages.push_back(options); }
  std::wstring ReceivingElapsedText() override { return receivingElapsed; }
  bool ReceivingFinished() override { return receivingFinished; }
};

}  // namespace tvx
