// What the two network run pages share: the view, the language, the stage
// line, the animation strip, the stop message and a clean-up that runs once
// whether the page window or the destructor comes first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "base/message_loop.h"
#include "core/language_keys.h"
#include "pages/network_run/run_page_services.h"
#include "pages/shared/run_face.h"
#include "pages/shared/run_view.h"

namespace tvx {

class NetworkRunPage : public MessageTarget {
 public:
  // The wizard starts the strip when it shows the page and stops it when it
  // leaves.
  void StartAnimation();
  void StopAnimation();

 protected:
  NetworkRunPage(RunPageServices services, RunView* view) : services_(std::move(services)), view_(view) {}

  // Fills the page's controls with the face of this kind of page.
  void ShowFace(RunPageKind kind);
  // Shows the text of the key on the stage line; nothing for no key.
  void ShowStage(const std::optional<LanguageKey>& key);
  // Ends the page's tool, the first time only; false when that was done.
  bool EndToolOnce(const wchar_t* toolExe);

  // Stops the strip on kMsgStopAnimation and hands every other message to
  // OnRunMessage, both only while the page has a view.
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) final;
  virtual void OnRunMessage(unsigned msg, WParam w, LParam l) = 0;

  RunPageServices services_;
  RunView* view_;

 private:
  bool destroyed_ = false;
};

}  // namespace tvx
