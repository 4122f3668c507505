// The one owner of Windows Sockets: started on first need, for the whole
// program, and cleaned up when the program ends. Every part that uses
// sockets asks here instead of starting the library itself.
#pragma once

namespace tvx {

// True once the library is started; false when it cannot be.
bool WinsockStarted();

}  // namespace tvx
