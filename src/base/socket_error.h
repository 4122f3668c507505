// Socket error codes. The program logs and compares Winsock's numbers, so the
// POSIX sockets translate errno into the same numbers. The last error is kept
// per thread, as WSAGetLastError keeps it.
#pragma once

namespace tvx {

constexpr int kSockInterrupted = 10004;      // WSAEINTR
constexpr int kSockBadAddress = 10014;       // WSAEFAULT
constexpr int kSockInvalid = 10022;          // WSAEINVAL
constexpr int kSockTooManyOpen = 10024;      // WSAEMFILE
constexpr int kSockWouldBlock = 10035;       // WSAEWOULDBLOCK
constexpr int kSockAlready = 10037;          // WSAEALREADY
constexpr int kSockNotSocket = 10038;        // WSAENOTSOCK
constexpr int kSockAddressInUse = 10048;     // WSAEADDRINUSE
constexpr int kSockAddressNotAvail = 10049;  // WSAEADDRNOTAVAIL
constexpr int kSockNetDown = 10050;          // WSAENETDOWN
constexpr int kSockNetUnreachable = 10051;   // WSAENETUNREACH
constexpr int kSockAborted = 10053;          // WSAECONNABORTED
constexpr int kSockReset = 10054;            // WSAECONNRESET
constexpr int kSockNoBuffers = 10055;        // WSAENOBUFS
constexpr int kSockIsConnected = 10056;      // WSAEISCONN
constexpr int kSockNotConnected = 10057;     // WSAENOTCONN
constexpr int kSockShutDown = 10058;         // WSAESHUTDOWN
constexpr int kSockTimedOut = 10060;         // WSAETIMEDOUT
constexpr int kSockRefused = 10061;          // WSAECONNREFUSED
constexpr int kSockHostUnreachable = 10065;  // WSAEHOSTUNREACH
constexpr int kSockSystemFailure = 10107;    // WSASYSCALLFAILURE: anything else

// The calling thread's last socket error, 0 when none was recorded.
int LastSocketError();
void SetLastSocketError(int code);

}  // namespace tvx
