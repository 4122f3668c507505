#include "wizard/controller_links.h"

#include "net/client_control.h"
#include "net/protocol.h"
#include "net/server_control.h"

namespace tvx {

std::wstring ControllerLinks::SendingElapsedText() { return server_.ElapsedTextValue(); }

void ControllerLinks::BeginAccountStage(const std::wstring& accountOptions) {
  client_.SetAccountOptions(accountOptions);
  client_.Step(kStepScan, 0);
}

std::wstring ControllerLinks::ReceivingElapsedText() { return client_.ElapsedTextValue(); }

bool ControllerLinks::ReceivingFinished() { return client_.Finished(); }

}  // namespace tvx
