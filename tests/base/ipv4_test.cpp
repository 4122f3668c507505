#include "base/ipv4.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(Ipv4, ParsesOnlyFourDecimalParts) {
  struct Row {
    const wchar_t* text;
    std::optional<std::uint32_t> value;
  };
  const Row rows[] = {
      {L"127.0.0.1", 0x7F000001u},
      {L"192.168.0.255", 0xC0A800FFu},
      {L"0.0.0.0", 0u},
      {L"255.255.255.255", 0xFFFFFFFFu},
      {L"010.1.1.1", 0x0A010101u},  // decimal, not octal
      {L"256.1.1.1", std::nullopt},
      {L"1.1.1", std::nullopt},
      {L"1.1.1.1.", std::nullopt},
      {L"1.1.1.1.1", std::nullopt},
      {L"1..1.1", std::nullopt},
      {L"1.1.1.0001", std::nullopt},
      {L" 1.1.1.1", std::nullopt},
      {L"1.1.1.-1", std::nullopt},
      {L"0x7f.0.0.1", std::nullopt},
      {L"localhost", std::nullopt},
      {L"", std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "text " << testing::PrintToString(std::wstring(row.text)));
    EXPECT_EQ(ParseIpv4(row.text), row.value);
  }
}

TEST(Ipv4, FormatsWhatItParses) {
  for (const wchar_t* text : {L"127.0.0.1", L"10.0.0.254", L"255.255.255.255", L"0.0.0.0"}) {
    SCOPED_TRACE(testing::Message() << testing::PrintToString(std::wstring(text)));
    EXPECT_EQ(FormatIpv4(*ParseIpv4(text)), text);
  }
}

}  // namespace
}  // namespace tvx
