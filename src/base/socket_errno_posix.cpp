#include "base/socket_errno_posix.h"

#include <cerrno>

#include "base/socket_error.h"

namespace tvx {

int WinsockErrorFromErrno(int error) {
  switch (error) {
    case 0: return 0;
    case EINTR: return kSockInterrupted;
    case EFAULT: return kSockBadAddress;
    case EINVAL: return kSockInvalid;
    case EMFILE:
    case ENFILE: return kSockTooManyOpen;
    case EAGAIN:
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK:
#endif
    // A non-blocking connect that is under way: Winsock says "would block".
    case EINPROGRESS: return kSockWouldBlock;
    case EALREADY: return kSockAlready;
    case EBADF:
    case ENOTSOCK: return kSockNotSocket;
    case EADDRINUSE: return kSockAddressInUse;
    case EADDRNOTAVAIL: return kSockAddressNotAvail;
    case ENETDOWN: return kSockNetDown;
    case ENETUNREACH: return kSockNetUnreachable;
    case ECONNABORTED: return kSockAborted;
    case ECONNRESET: return kSockReset;
    case ENOBUFS:
    case ENOMEM: return kSockNoBuffers;
    case EISCONN: return kSockIsConnected;
    case ENOTCONN: return kSockNotConnected;
    // Sending after the peer went away (the socket knows when it was its own
    // shutdown instead, which Winsock calls WSAESHUTDOWN).
    case EPIPE: return kSockReset;
    case ETIMEDOUT: return kSockTimedOut;
    case ECONNREFUSED: return kSockRefused;
    case EHOSTUNREACH: return kSockHostUnreachable;
    default: return kSockSystemFailure;
  }
}

}  // namespace tvx
