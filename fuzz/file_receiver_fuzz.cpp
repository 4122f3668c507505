// libFuzzer target: the receiving PC's stream of headers and files. Whatever
// the other PC sends, the receiver may only write inside the file a header
// announced, never after a failure, and must never ask for nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "net/file_receiver.h"

namespace {

class CheckingSink final : public tvx::ReceiveSink {
 public:
  const tvx::FileReceiver* receiver = nullptr;
  std::map<tvx::ReceivedFile, std::string> files;
  bool failed = false;

  std::int64_t OpenFile(tvx::ReceivedFile file, std::uint64_t offset) override {
    if (failed || open_) std::abort();
    std::string& bytes = files[file];
    if (offset == 0) bytes.clear();
    current_ = file;
    position_ = offset;
    open_ = true;
    return static_cast<std::int64_t>(bytes.size());
  }
  std::string ReadBack(std::uint64_t offset, std::size_t length) override {
    const std::string& bytes = files[current_];
    return offset >= bytes.size() ? std::string() : bytes.substr(offset, length);
  }
  bool WriteFile(const char* data, std::size_t length) override {
    const auto size = static_cast<std::uint64_t>(receiver->LastHeader().size);
    if (failed || !open_ || position_ + length > size) std::abort();
    std::string& bytes = files[current_];
    if (bytes.size() < position_ + length) bytes.resize(position_ + length);
    bytes.replace(position_, length, data, length);
    position_ += length;
    return true;
  }
  void CloseFile() override { open_ = false; }
  void DiscardStore() override {
    if (failed) std::abort();
    files.erase(tvx::ReceivedFile::kStore);
  }
  void Dispatch(int step, const tvx::CommandHeader&) override {
    if (failed || open_ || step == 0) std::abort();
  }
  void Fail(int code) override {
    if (failed || open_ || (code != tvx::kEndConnectionFailure && code != tvx::kEndInvalidFile)) std::abort();
    failed = true;
  }
  void Log(std::wstring_view) override {}

 private:
  tvx::ReceivedFile current_ = tvx::ReceivedFile::kProfile;
  std::uint64_t position_ = 0;
  bool open_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t piece = 1 + data[0] % 200;
  CheckingSink sink;
  // Sometimes a partial store is already there, to reach the resume paths.
  if (data[1] & 1) sink.files[tvx::ReceivedFile::kStore] = std::string(1000 + data[1] * 16, 'S');
  tvx::FileReceiver receiver(sink);
  sink.receiver = &receiver;
  const auto* bytes = reinterpret_cast<const char*>(data + 2);
  const std::size_t length = size - 2;
  std::size_t offset = 0;
  while (offset < length) {
    const std::size_t wanted = receiver.Wanted();
    if (wanted == 0) std::abort();
    const std::size_t rest = length - offset;
    const std::size_t offer = piece < rest ? (piece < wanted ? piece : wanted) : (rest < wanted ? rest : wanted);
    const std::size_t took = receiver.Feed(bytes + offset, offer);
    if (took == 0 || took > offer) std::abort();
    offset += took;
  }
  return 0;
}
