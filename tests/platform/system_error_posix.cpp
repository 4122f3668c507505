// errno read as the Windows code for the same condition.
#include <gtest/gtest.h>

#include <cerrno>

#include "platform/system_error.h"

namespace tvx {
namespace {

TEST(SystemErrorPosix, TranslatesErrnoIntoWindowsCodes) {
  struct Row {
    int host;
    std::uint32_t code;
    const wchar_t* text;
  };
  const Row rows[] = {
      {ENOENT, 2, L"The system cannot find the file specified."},
      {EACCES, 5, L"Access is denied."},
      {EEXIST, 183, L"Cannot create a file when that file already exists."},
      {ENOSPC, 112, L"There is not enough space on the disk."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.host);
    errno = row.host;
    EXPECT_EQ(SystemErrorCode(), row.code);
    EXPECT_EQ(SystemErrorText(row.code), row.text);
  }

  ClearSystemErrorCode();
  EXPECT_EQ(SystemErrorCode(), 0u);

  // A condition Windows has no code for keeps the host's number and text.
  errno = EPROTO;
  const std::uint32_t code = SystemErrorCode();
  EXPECT_EQ(code, kHostErrorBit | static_cast<std::uint32_t>(EPROTO));
  EXPECT_FALSE(SystemErrorText(code).empty());
  EXPECT_TRUE(SystemErrorText(0xFFFF).empty());
}

}  // namespace
}  // namespace tvx
