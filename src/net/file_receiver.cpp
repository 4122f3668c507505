#include "net/file_receiver.h"

#include <algorithm>
#include <utility>

#include "base/text.h"

namespace tvx {
namespace {

std::wstring Fields(const CommandHeader& h) {
  return h.command + L", " + h.name + L", " + std::to_wstring(h.size) + L", " + std::to_wstring(h.value);
}

}  // namespace

std::size_t FileReceiver::Wanted() const {
  switch (state_) {
    case State::kHeader:
      return block_.Missing();
    case State::kFile:
      return static_cast<std::size_t>(std::min<std::uint64_t>(kReceiveChunkBytes, Remaining()));
    case State::kFailed:
      break;
  }
  return kReceiveChunkBytes;
}

std::size_t FileReceiver::Feed(const char* data, std::size_t length) {
  switch (state_) {
    case State::kHeader: {
      const std::size_t took = block_.Feed(data, length);
      if (block_.Complete()) OnHeader(took);
      return took;
    }
    case State::kFile: {
      const auto take = static_cast<std::size_t>(std::min<std::uint64_t>(length, Remaining()));
      OnFileData(data, take);
      return take;
    }
    case State::kFailed:
      break;
  }
  return length;
}

void FileReceiver::Reset() {
  state_ = State::kHeader;
  block_.Clear();
  header_ = CommandHeader();
  startOffset_ = 0;
  received_ = 0;
  proof_.clear();
  held_.clear();
}

void FileReceiver::OnHeader(std::size_t took) {
  // The command and size still held are the previous header's.
  sink_.Log(L"Header: " + header_.command + L", " + std::to_wstring(header_.size) + L", " +
            std::to_wstring(took));
  header_ = block_.Take();
  if (IsStoreCommand()) sink_.Log(L"COPY CMD: " + Fields(header_));
  sink_.Log(L"Getting CMD: " + Fields(header_));
  if (!sink_.InTurn(header_.command)) return Refuse(kEndConnectionFailure, L"Refused command out of turn: ");

  if (CarriesFile(header_.command)) {
    StartFile();
    return;
  }
  if (header_.command == kCmdFinishScan && header_.name == kNewStoreName) sink_.DiscardStore();
  if (const int step = ReceivingPcStep(header_.command); step != 0) sink_.Dispatch(step, header_);
}

void FileReceiver::StartFile() {
  const auto file = ReceivedFileFor(header_.command, header_.name);
  if (!file) return Refuse(kEndConnectionFailure, L"Refused file name: ");
  if (header_.size <= 0) return Refuse(kEndConnectionFailure, L"Refused file size: ");
  const bool store = IsStoreCommand();
  // An offset the sender could not serve (-1) or one outside the store.
  if (store && (header_.value < 0 || header_.value >= header_.size))
    return Refuse(kEndInvalidFile, L"Refused resume offset: ");
  startOffset_ = store ? static_cast<std::uint64_t>(header_.value) : 0;

  sink_.Log(L"FileCreate");
  const std::int64_t length = sink_.OpenFile(*file, startOffset_);
  if (length < 0) return Refuse(kEndConnectionFailure, L"Refused file that cannot be created: ");
  // Continuing past the end of the local copy would leave a hole in the store.
  if (static_cast<std::uint64_t>(length) < startOffset_)
    return Refuse(kEndInvalidFile, L"Refused resume beyond the local store: ");

  proof_.clear();
  held_.clear();
  if (startOffset_ > static_cast<std::uint64_t>(kResumeOverlapBytes))
    proof_ = sink_.ReadBack(startOffset_, kResumeProofBytes);
  received_ = startOffset_;
  state_ = State::kFile;
}

bool FileReceiver::IsStoreCommand() const { return EqualsNoCase(header_.command, kCmdCopy); }

void FileReceiver::OnFileData(const char* data, std::size_t length) {
  received_ += length;
  sink_.Log(L"Data: " + header_.command + L", " + std::to_wstring(header_.size) + L", " +
            std::to_wstring(received_) + L", " + std::to_wstring(length));
  if (proof_.empty()) {
    if (!Write(data, length)) return;
  } else {
    // The proof compares as many bytes as the local store gave, however the
    // re-sent ones are cut into pieces; nothing is written until it holds.
    held_.append(data, length);
    if (held_.size() < proof_.size() && received_ < static_cast<std::uint64_t>(header_.size)) return;
    const std::size_t compared = std::min(held_.size(), proof_.size());
    if (InternetChecksum(held_.data(), compared) != InternetChecksum(proof_.data(), compared))
      return Refuse(kEndInvalidFile, L"Resumed store differs: ");
    proof_.clear();
    const std::string held = std::exchange(held_, std::string());
    if (!Write(held.data(), held.size())) return;
  }
  if (received_ >= static_cast<std::uint64_t>(header_.size)) CompleteFile();
}

bool FileReceiver::Write(const char* data, std::size_t length) {
  if (length == 0 || sink_.WriteFile(data, length)) return true;
  // A file that was not written whole must not be acted on.
  sink_.Log(L"\uD30C\uC77C \uC4F0\uAE30 \uC5D0\uB7EC!");
  Refuse(kEndConnectionFailure, L"Refused after a failed write: ");
  return false;
}

void FileReceiver::CompleteFile() {
  sink_.CloseFile();
  startOffset_ = 0;
  received_ = 0;
  state_ = State::kHeader;
  // Last: the owner may end the connection while it handles the step.
  sink_.Dispatch(ReceivingPcStep(header_.command), header_);
}

void FileReceiver::Refuse(int code, std::wstring_view why) {
  state_ = State::kFailed;
  proof_.clear();
  held_.clear();
  sink_.Log(std::wstring(why) + Fields(header_));
  sink_.CloseFile();
  sink_.Fail(code);
}

}  // namespace tvx
