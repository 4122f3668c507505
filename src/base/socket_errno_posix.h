// errno of a POSIX socket call as the Winsock number the program knows.
#pragma once

namespace tvx {

int WinsockErrorFromErrno(int error);

}  // namespace tvx
