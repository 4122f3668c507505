#include "base/plain_message.h"

#include <mutex>
#include <string>
#include <utility>

namespace tvx {

// The platform's own message box.
void ShowPlatformMessage(std::wstring_view text, std::wstring_view caption, PlainIcon icon);

namespace {

std::mutex& SinkLock() {
  static std::mutex lock;
  return lock;
}

PlainMessageSink& Sink() {
  static PlainMessageSink sink;
  return sink;
}

}  // namespace

void SetPlainMessageSink(PlainMessageSink sink) {
  std::lock_guard<std::mutex> guard(SinkLock());
  Sink() = std::move(sink);
}

void ShowPlainMessage(std::wstring_view text, std::wstring_view caption, PlainIcon icon) {
  PlainMessageSink sink;
  {
    std::lock_guard<std::mutex> guard(SinkLock());
    sink = Sink();
  }
  if (sink) sink(text, caption);
  else ShowPlatformMessage(text, caption, icon);
}

}  // namespace tvx
