#include "pages/network_run/network_run_page.h"

#include "net/controller_messages.h"
#include "pages/shared/run_texts.h"

namespace tvx {

void NetworkRunPage::StartAnimation() {
  if (view_) view_->StartAnimation();
}

void NetworkRunPage::StopAnimation() {
  if (view_) view_->StopAnimation();
}

void NetworkRunPage::ShowFace(RunPageKind kind) {
  if (view_) view_->ShowFace(MakeRunPageFace(kind, services_.language));
}

void NetworkRunPage::ShowStage(const std::optional<LanguageKey>& key) {
  if (key && view_) view_->SetStageLine(services_.language.GetText(*key));
}

bool NetworkRunPage::EndToolOnce(const wchar_t* toolExe) {
  if (destroyed_) return false;
  destroyed_ = true;
  if (services_.stopTool) services_.stopTool(toolExe);
  return true;
}

std::intptr_t NetworkRunPage::OnMessage(unsigned msg, WParam w, LParam l) {
  if (!view_) return 0;
  if (msg == kMsgStopAnimation) {
    StopAnimation();
  } else if (msg == kMsgRunFields) {
    view_->ShowPercent(w != 0);
    if (hasTime_) view_->ShowTime(l != 0);
  } else if (msg == percentMsg_) {
    ShowPercentValue(w);
  } else {
    OnRunMessage(msg, w, l);
  }
  return 0;
}

void NetworkRunPage::ShowPercentValue(WParam percent) {
  view_->SetPercent(PercentText(static_cast<std::int32_t>(percent)));
}

}  // namespace tvx
