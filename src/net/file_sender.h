// Sending a command, with or without its file, the way both PCs frame it:
// one header block alone; or the header followed by the start of the file in
// the same call (all of a file under 51200 bytes), then the rest in pieces
// of twenty 51200-byte blocks. A resumed store starts at the offset the receiving PC asked for.
// Runs on a send thread; the channel's calls are blocking, and because one
// thread makes them, header and file bytes go out in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/async_socket.h"

namespace tvx {

// Where a send's calls go. One Send is one call of the framing.
class SendChannel {
 public:
  virtual ~SendChannel() = default;
  // Sends every byte or fails.
  virtual bool Send(const char* data, std::size_t length) = 0;
  // The socket error of the last failed Send on this thread.
  virtual int LastError() const = 0;
};

// A connected socket; the socket must outlive the send.
class SocketChannel final : public SendChannel {
 public:
  explicit SocketChannel(AsyncSocket& socket) : socket_(socket) {}
  bool Send(const char* data, std::size_t length) override { return socket_.SendAll(data, length); }
  int LastError() const override { return AsyncSocket::LastError(); }

 private:
  AsyncSocket& socket_;
};

// What a send tells its controller, all on the send thread. The sending-PC
// controller keeps its store progress counters and timer through these.
class SendListener {
 public:
  virtual ~SendListener() = default;
  // The file could not be opened (the controller reports code 223).
  virtual void OnOpenFailed() {}
  // A "|.COPY" with the store is about to go out: reset the transfer
  // counters and start the progress timer. `size` is the whole store.
  virtual void OnStoreStarted(std::uint64_t size) { (void)size; }
  // One piece after the first call went out (the first call is not
  // counted). `size` is the whole file.
  virtual void OnBlockSent(std::uint64_t length, std::uint64_t size) {
    (void)length;
    (void)size;
  }
  // The "|.COPY" send has ended, whole or not: stop the progress timer and
  // tell the run page.
  virtual void OnStoreEnded() {}
  // One line for the activity log; the default writes it there.
  virtual void Log(std::wstring_view line);
};

enum class SendSide { kSendingPc, kReceivingPc };

enum class SendOutcome {
  kHeaderSent,    // a header alone went out
  kHeaderFailed,  // a header alone could not be sent
  kFileSent,      // header and file went out
  kFileFailed,    // a call failed part way; the rest was not sent
  kOpenFailed,    // the file could not be opened; nothing was sent
};

// A header alone: name (a placeholder), size 0 and `value`. The receiving PC
// logs every command it sends; failures are logged with the side's own text.
SendOutcome SendHeaderOnly(SendChannel& channel, SendSide side, std::wstring_view command,
                           std::wstring_view name, std::int64_t value, SendListener& listener);

// The sending PC's send of `command` with the file at `path` (a program
// path). When `path` is a name placeholder, the header goes alone with the
// placeholder as its name. For "|.COPY", `value` is the offset the receiving
// PC asked for; the header then carries that offset, or -1 (and no file
// bytes) when it is not inside the file. For the other commands the header
// carries `value` and the whole file follows.
SendOutcome SendCommand(SendChannel& channel, std::wstring_view command, const std::wstring& path,
                        std::int64_t value, SendListener& listener);

}  // namespace tvx
