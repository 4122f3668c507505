#include "net/file_sender.h"

#include <algorithm>

#include "base/debug_output.h"
#include "base/file.h"
#include "base/text.h"
#include "core/activity_log.h"
#include "net/protocol.h"
#include "platform/system_error.h"

namespace tvx {
namespace {

std::wstring NameOf(const std::wstring& path) {
  const std::size_t slash = path.rfind(L'\\');
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

void LogError(SendListener& listener, const wchar_t* what, int code) {
  const std::wstring line = std::wstring(what) + L" Error: " + std::to_wstring(code);
  listener.Log(line);
  DebugOut(line);
}

// Reads exactly `length` bytes from the file's position onto the end of `into`.
bool ReadOnto(File& file, std::string& into, std::size_t length) {
  const std::size_t start = into.size();
  into.resize(start + length);
  std::size_t have = 0;
  while (have < length) {
    const std::int64_t got = file.Read(into.data() + start + have, length - have);
    if (got <= 0) return false;
    have += static_cast<std::size_t>(got);
  }
  return true;
}

// The blocks after the first call, from `position` to the end, many blocks
// to a call: one system call per block held the store well below what the
// socket can carry.
bool SendBlocks(SendChannel& channel, File& file, std::int64_t position, std::int64_t size,
                SendListener& listener) {
  std::string block;
  block.reserve(kSendPieceBytes);
  if (file.Seek(position, SeekFrom::Begin) < 0) {
    LogError(listener, L"TransmitFile2", SystemErrorCode());
    return false;
  }
  while (position < size) {
    const auto chunk = static_cast<std::size_t>(std::min<std::int64_t>(size - position, kSendPieceBytes));
    block.clear();
    if (!ReadOnto(file, block, chunk)) {
      LogError(listener, L"TransmitFile2", SystemErrorCode());
      return false;
    }
    if (!channel.Send(block.data(), block.size())) {
      LogError(listener, L"TransmitFile2", channel.LastError());
      return false;
    }
    listener.OnBlockSent(chunk, static_cast<std::uint64_t>(size));
    if (DebugOutEnabled())
      DebugOut(L"Transfer File: " + std::to_wstring(position + static_cast<std::int64_t>(chunk)) + L", " +
               std::to_wstring(size));
    position += static_cast<std::int64_t>(chunk);
  }
  return true;
}

// The first call: the header, then up to one block of the file from `offset`.
bool SendFirstCall(SendChannel& channel, File& file, const std::wstring& text, std::int64_t offset,
                   std::size_t first, SendListener& listener) {
  std::string call = EncodeHeader(text);
  if (first > 0 && (file.Seek(offset, SeekFrom::Begin) < 0 || !ReadOnto(file, call, first))) {
    LogError(listener, L"TransmitFile1", SystemErrorCode());
    return false;
  }
  if (!channel.Send(call.data(), call.size())) {
    LogError(listener, L"TransmitFile1", channel.LastError());
    return false;
  }
  return true;
}

}  // namespace

void SendListener::Log(std::wstring_view line) { WriteLog(line); }

SendOutcome SendHeaderOnly(SendChannel& channel, SendSide side, std::wstring_view command,
                           std::wstring_view name, std::int64_t value, SendListener& listener) {
  const std::wstring text = HeaderText(command, name, 0, value);
  const std::string block = EncodeHeader(text);
  const bool sent = channel.Send(block.data(), block.size());
  if (!sent)
    LogError(listener, side == SendSide::kReceivingPc ? L"TransmitFile1" : L"TransmitFile3", channel.LastError());
  if (side == SendSide::kReceivingPc) listener.Log(L"ClientControl Send CMD: " + text);
  return sent ? SendOutcome::kHeaderSent : SendOutcome::kHeaderFailed;
}

SendOutcome SendCommand(SendChannel& channel, std::wstring_view command, const std::wstring& path,
                        std::int64_t value, SendListener& listener) {
  const std::wstring name = NameOf(path);
  if (IsNamePlaceholder(name)) return SendHeaderOnly(channel, SendSide::kSendingPc, command, name, value, listener);

  File file;
  std::int64_t size = -1;
  if (file.Open(path, OpenMode::Read)) size = file.Size();
  if (size < 0) {
    const std::wstring line = L"Failed to open file: " + std::to_wstring(SystemErrorCode());
    listener.Log(line);
    DebugOut(line);
    listener.OnOpenFailed();
    return SendOutcome::kOpenFailed;
  }

  const bool store = EqualsNoCase(command, kCmdCopy);
  std::int64_t offset = 0;
  std::int64_t headerValue = value;
  if (store) {
    // An offset the file cannot serve is answered with -1 and no bytes.
    const bool inside = value >= 0 && value < size;
    offset = inside ? value : size;
    headerValue = inside ? value : -1;
    listener.OnStoreStarted(static_cast<std::uint64_t>(size));
  }

  const std::wstring text = HeaderText(command, name, size, headerValue);
  const auto first = static_cast<std::size_t>(std::min<std::int64_t>(size - offset, kSendBlockBytes));
  bool sent = SendFirstCall(channel, file, text, offset, first, listener);
  listener.Log(L"ServerControl Send CMD: " + text);
  if (sent && first == kSendBlockBytes)
    sent = SendBlocks(channel, file, offset + static_cast<std::int64_t>(first), size, listener);

  file.Close();
  if (store) listener.OnStoreEnded();
  return sent ? SendOutcome::kFileSent : SendOutcome::kFileFailed;
}

}  // namespace tvx
