// What the wizard flow needs of the two network controllers. The controllers
// post their requests, stages and endings to the flow; the flow, in turn,
// reads their elapsed times, tells the receiving side the accounts are
// confirmed and asks whether it has finished. ControllerLinks
// (controller_links.h) is the implementation over CServerControl and
// CClientControl.
#pragma once

#include <string>

namespace tvx {

class WizardLinks {
 public:
  virtual ~WizardLinks() = default;

  // "%H:%M:%S" of the sending PC's network run.
  virtual std::wstring SendingElapsedText() = 0;

  // The user confirmed the accounts: the receiving controller takes the
  // account options for the apply and begins the account stage (step 337).
  virtual void BeginAccountStage(const std::wstring& accountOptions) = 0;
  // "%H:%M:%S" of the receiving PC's network run.
  virtual std::wstring ReceivingElapsedText() = 0;
  // The receiving controller has sent its finish command.
  virtual bool ReceivingFinished() = 0;
};

}  // namespace tvx
