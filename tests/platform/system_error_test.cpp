#include "platform/system_error.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(SystemError, MessagesHaveNoLineBreak) {
  for (const std::uint32_t code : {kErrorFileNotFound, kErrorPathNotFound, kErrorAccessDenied, kErrorAlreadyExists}) {
    SCOPED_TRACE(code);
    const std::wstring text = SystemErrorText(code);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), L'\n');
    EXPECT_NE(text.back(), L'\r');
  }
}

}  // namespace
}  // namespace tvx
