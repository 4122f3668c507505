#include "ui/frame_view_win.h"

namespace tvx {

void FrameView::KeepAwake() {
  SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED | ES_AWAYMODE_REQUIRED);
}

void FrameView::EndWizard() {
  if (frame_.Handle()) DestroyWindow(frame_.Handle());
}

}  // namespace tvx
