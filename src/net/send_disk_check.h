// The sending PC's own disk check before it waits for the receiving PC: the
// capture writes the store next to the program, so the program's drive must
// offer 1.5 times the selected data.
#pragma once

#include <cstdint>
#include <string>

namespace tvx {

struct SendingDiskCheck {
  double neededKb = 0;  // 1.5 x the selected data, in KB
  double freeKb = 0;
  bool enough = false;
};

// `freeBytes` is -1 when the free space cannot be read; that is not enough.
SendingDiskCheck CheckSendingDisk(std::uint64_t selectedBytes, std::int64_t freeBytes);

// The log line of the check: "Source selected data size:<needed>, <free>".
std::wstring SendingDiskLogLine(const SendingDiskCheck& check);

}  // namespace tvx
