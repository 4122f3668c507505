#include "net/octets.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace tvx {
namespace {

TEST(Octets, TypedAddressesAreCheckedBoxByBox) {
  struct Row {
    OctetTexts typed;
    OctetCheck check;
    const wchar_t* address;
  };
  const Row rows[] = {
      {{L"127", L"0", L"0", L"7"}, OctetCheck::kValid, L"127.0.0.7"},
      {{L"0", L"0", L"0", L"0"}, OctetCheck::kValid, L"0.0.0.0"},
      {{L"255", L"255", L"255", L"255"}, OctetCheck::kValid, L"255.255.255.255"},
      // A leading zero would be read as octal by the socket library.
      {{L"127", L"000", L"0", L"010"}, OctetCheck::kValid, L"127.0.0.10"},
      {{L"127", L"0", L"0", L""}, OctetCheck::kEmptyField, L""},
      {{L"", L"0", L"0", L"1"}, OctetCheck::kEmptyField, L""},
      // An empty box is reported before a wrong one.
      {{L"300", L"0", L"", L"1"}, OctetCheck::kEmptyField, L""},
      {{L"256", L"0", L"0", L"1"}, OctetCheck::kNotAnOctet, L""},
      {{L"127", L"0", L"0", L"-1"}, OctetCheck::kNotAnOctet, L""},
      {{L"127", L"0", L"0", L"+1"}, OctetCheck::kNotAnOctet, L""},
      {{L"127", L"0", L"0", L" 1"}, OctetCheck::kNotAnOctet, L""},
      {{L"127", L"0", L"1a", L"1"}, OctetCheck::kNotAnOctet, L""},
      {{L"127", L"0", L"0", L"1.2"}, OctetCheck::kNotAnOctet, L""},
      {{L"127", L"0", L"0", L"99999999999"}, OctetCheck::kNotAnOctet, L""},
      {{L"127", L"0", L"0", L"\xFF11"}, OctetCheck::kNotAnOctet, L""},  // a full-width digit
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(ToUtf8(JoinOctets(row.typed)));
    const TypedAddress typed = ReadTypedAddress(row.typed);
    EXPECT_EQ(typed.check, row.check);
    EXPECT_EQ(typed.address, row.address);
  }
}

TEST(Octets, AnAddressIsSplitIntoFourBoxes) {
  EXPECT_EQ(SplitOctets(L"192.168.0.20"), (OctetTexts{L"192", L"168", L"0", L"20"}));
  EXPECT_EQ(SplitOctets(L"10.1"), (OctetTexts{L"10", L"1", L"", L""}));
  EXPECT_EQ(SplitOctets(L"1.2.3.4.5"), (OctetTexts{L"1", L"2", L"3", L"4"}));
  EXPECT_EQ(SplitOctets(L""), OctetTexts{});
  EXPECT_EQ(JoinOctets(SplitOctets(L"192.168.0.20")), L"192.168.0.20");
}

}  // namespace
}  // namespace tvx
