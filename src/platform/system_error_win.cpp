#include "platform/system_error.h"

#include "base/win.h"

namespace tvx {
namespace {

// The buffer FormatMessageW allocates.
class LocalText {
 public:
  LocalText() = default;
  LocalText(const LocalText&) = delete;
  LocalText& operator=(const LocalText&) = delete;
  ~LocalText() {
    if (text_) LocalFree(text_);
  }
  wchar_t** Receive() { return &text_; }
  const wchar_t* Get() const { return text_; }

 private:
  wchar_t* text_ = nullptr;
};

}  // namespace

void ClearSystemErrorCode() { SetLastError(0); }

std::uint32_t SystemErrorCode() { return GetLastError(); }

std::wstring SystemErrorText(std::uint32_t code) {
  LocalText buffer;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
      MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(buffer.Receive()), 0, nullptr);
  if (length == 0 || !buffer.Get()) return {};
  std::wstring text(buffer.Get(), length);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n')) text.pop_back();
  return text;
}

}  // namespace tvx
