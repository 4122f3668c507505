#include "net/send_disk_check.h"

#include <cstdio>

namespace tvx {

SendingDiskCheck CheckSendingDisk(std::uint64_t selectedBytes, std::int64_t freeBytes) {
  SendingDiskCheck check;
  check.neededKb = static_cast<double>(selectedBytes) / 1024.0 * 1.5;
  check.freeKb = static_cast<double>(freeBytes) / 1024.0;
  check.enough = freeBytes >= 0 && !(check.freeKb < check.neededKb);
  return check;
}

std::wstring SendingDiskLogLine(const SendingDiskCheck& check) {
  wchar_t line[128];
  std::swprintf(line, sizeof line / sizeof line[0], L"Source selected data size:%.2f, %.2f", check.neededKb,
                check.freeKb);
  return line;
}

}  // namespace tvx
