#include "statetool/byte_stream.h"

#include <algorithm>
#include <cstring>

#include "base/file.h"

namespace tvx {

std::int64_t MemorySource::Read(void* buffer, std::size_t length) {
  const std::size_t take = std::min(length, bytes_.size() - position_);
  if (take > 0) std::memcpy(buffer, bytes_.data() + position_, take);
  position_ += take;
  return static_cast<std::int64_t>(take);
}

bool MemorySink::Write(const void* data, std::size_t length) {
  bytes_.append(static_cast<const char*>(data), length);
  return true;
}

bool MemorySink::CutTo(std::uint64_t offset) {
  if (offset > bytes_.size()) return false;
  bytes_.resize(static_cast<std::size_t>(offset));
  return true;
}

std::int64_t FileSource::Read(void* buffer, std::size_t length) { return file_.Read(buffer, length); }

bool FileSink::Write(const void* data, std::size_t length) { return file_.Write(data, length); }

bool FileSink::CutTo(std::uint64_t offset) {
  return file_.Seek(static_cast<std::int64_t>(offset), SeekFrom::Begin) >= 0 && file_.SetEnd();
}

}  // namespace tvx
