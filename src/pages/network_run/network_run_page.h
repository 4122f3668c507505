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
  // `percentMsg` carries the page's percentage in its WParam; `hasTime`
  // says whether the page shows the time left beside it.
  NetworkRunPage(RunPageServices services, RunView* view, unsigned percentMsg, bool hasTime)
      : services_(std::move(services)), view_(view), percentMsg_(percentMsg), hasTime_(hasTime) {}

  // Fills the page's controls with the face of this kind of page.
  void ShowFace(RunPageKind kind);
  // Shows the text of the key on the stage line; nothing for no key.
  void ShowStage(const std::optional<LanguageKey>& key);
  // Ends the page's tool, the first time only; false when that was done.
  bool EndToolOnce(const wchar_t* toolExe);

  // Shows the percentage given as a whole number.
  void ShowPercentValue(WParam percent);

  // Stops the strip on kMsgStopAnimation, shows or hides the progress
  // fields on kMsgRunFields, shows the percentage and hands every other
  // message to OnRunMessage, all only while the page has a view.
  std::intptr_t OnMessage(unsigned msg, WParam w, LParam l) final;
  // The messages only this page reacts to; none by default.
  virtual void OnRunMessage(unsigned msg, WParam w, LParam l) {
    (void)msg;
    (void)w;
    (void)l;
  }

  RunPageServices services_;
  RunView* view_;

 private:
  const unsigned percentMsg_;
  const bool hasTime_;
  bool destroyed_ = false;
};

}  // namespace tvx
