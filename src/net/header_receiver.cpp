#include "net/header_receiver.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace tvx {

std::size_t HeaderReceiver::Feed(const char* data, std::size_t length) {
  const std::size_t take = std::min(length, Missing());
  if (take > 0) std::memcpy(block_.data() + collected_, data, take);
  collected_ += take;
  return take;
}

CommandHeader HeaderReceiver::Take() {
  CommandHeader header = ParseHeader(std::string_view(block_.data(), collected_));
  block_.fill('\0');
  collected_ = 0;
  return header;
}

std::wstring HeaderReceiver::Text() const {
  return HeaderBlockText(std::string_view(block_.data(), collected_));
}

}  // namespace tvx
