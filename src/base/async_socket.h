// A TCP socket (IPv4) whose notifications arrive as virtual calls on the
// thread that created it, through that thread's message loop. Windows backs
// it with WSAAsyncSelect to a hidden message target; elsewhere the loop's
// poll() watches it and the same rules are kept:
//
//  - a read notification comes once and is raised again only after the next
//    Receive, so a handler that reads part of the data is notified again and
//    one that reads nothing is not called in a loop;
//  - accept is raised again by the next Accept; write once after connecting
//    or accepting, after a Send that would block, and on Select;
//  - the close notification (the peer closed, or the connection was reset)
//    comes once, after the data that was pending has been read;
//  - Select(0) switches notifications off and Select(events) on again; a
//    close or connect result that arrives meanwhile is delivered then.
//
// Failing calls record a Winsock error number for LastError(), per thread.
// Receive, notifications, Select and Close belong to the creating thread;
// Send and SendAll may also be called from one worker thread, which is how the
// program sends, as long as the socket object outlives the call.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/socket_error.h"
#include "base/socket_gate.h"

namespace tvx {

class AsyncSocket {
 public:
  AsyncSocket();
  virtual ~AsyncSocket();
  AsyncSocket(const AsyncSocket&) = delete;
  AsyncSocket& operator=(const AsyncSocket&) = delete;

  // A stream socket bound to `port` (0: any free port) on `bindAddress`
  // (dotted IPv4; empty: any address), with every notification switched on.
  bool Create(unsigned port = 0, const std::wstring& bindAddress = L"");
  bool Listen(int backlog = 5);
  // Takes a pending connection into `into`, which must not be open. The new
  // socket gets the same notifications as this one.
  bool Accept(AsyncSocket& into);
  // Starts connecting to a dotted IPv4 address. False with kSockWouldBlock
  // while under way; the result comes to OnConnect. True when connected at
  // once (OnConnect(0) still follows). Other failures: false.
  bool Connect(const std::wstring& address, unsigned port);

  // Bytes received (> 0), 0 when the peer has closed, -1 on error.
  int Receive(void* buffer, std::size_t length);
  // One send call: bytes sent, or -1 (kSockWouldBlock when the buffer is full).
  int Send(const void* data, std::size_t length);
  // Blocks until every byte is out or an error comes; for worker threads.
  bool SendAll(const void* data, std::size_t length);
  bool ShutDownSending();
  void Close();
  bool IsOpen() const { return handle_.load() != kNoSocket; }

  // Switches notifications (kFd* bits) on; the others off.
  bool Select(unsigned events);
  // The local port, 0 when not bound.
  unsigned LocalPort() const;
  // The peer's dotted address, empty when not connected.
  std::wstring PeerAddress() const;

  static int LastError() { return LastSocketError(); }

 protected:
  virtual void OnAccept(int error) { (void)error; }
  virtual void OnReceive(int error) { (void)error; }
  virtual void OnSend(int error) { (void)error; }
  virtual void OnConnect(int error) { (void)error; }
  virtual void OnClose(int error) { (void)error; }

 private:
  friend class SocketTarget;
  struct Impl;
  static constexpr std::intptr_t kNoSocket = -1;

  // A notification from the hidden target: `socket` it was raised for,
  // event and error packed as WSAAsyncSelect packs them.
  void HandleNotification(std::uintptr_t socket, std::intptr_t packed);
  void Deliver(unsigned event, int error);
  // A notification for another socket: on Windows an accepted socket's
  // first notifications can reach the listening socket's target.
  void ForwardForeign(std::uintptr_t socket, std::intptr_t packed);
  // Takes over an accepted socket.
  bool Adopt(std::intptr_t socket, unsigned events);
  bool Fail(int error);
  // The checks before a connect: an open socket, a dotted address (into
  // `target`) and a port; then the gate expects the connect result.
  bool PrepareConnect(const std::wstring& address, unsigned port, std::uint32_t& target);

  // The platform's halves of Send, SendAll, LocalPort and PeerAddress.
  // One send call on `socket`: bytes sent, or -1 with the Winsock error
  // number in `error`.
  std::ptrdiff_t SendOnce(std::intptr_t socket, const char* data, std::size_t length, int& error);
  // Waits a short while for `socket` to take more data.
  static void WaitWritable(std::intptr_t socket);
  struct Endpoint {
    std::uint32_t address;  // host order
    unsigned port;
  };
  // This end of the open socket, or with `peer` the other end.
  std::optional<Endpoint> EndpointOf(bool peer) const;

  std::atomic<std::intptr_t> handle_{kNoSocket};
  SocketGate gate_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tvx
