#include "net/subnet.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace tvx {
namespace {

TEST(Subnet, AcceptsOnlyContiguousMaskTexts) {
  struct Row {
    const wchar_t* mask;
    bool accepted;
  };
  const Row rows[] = {
      {L"255.255.255.0", true},    {L"255.255.255.128", true}, {L"255.255.0.0", true},
      {L"255.255.255.252", true},  {L"0.0.0.0", true},         {L"255.255.255.255", true},
      {L"255.0.255.0", false},     {L"255.255.255.1", false},  {L"0.255.255.255", false},
      {L"255.255.255.256", false}, {L"255.255.255.0.0", false}, {L"255.255.255.a", false},
      {L" 255.255.255.0", false},  {L"-255.255.255.0", false},
      // Short forms are read as the socket library reads them: the last
      // number fills the rest, so "255.255.255" is 255.255.0.255.
      {L"255.255.255", false},     {L"255.255.0", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(ToUtf8(row.mask));
    EXPECT_EQ(IsAcceptedMaskText(row.mask), row.accepted);
  }
}

TEST(Subnet, ReadsAddressTextsAsTheSocketLibraryDoes) {
  EXPECT_EQ(AddressTextValue(L"192.168.0.10"), 0xC0A8000Au);
  EXPECT_EQ(AddressTextValue(L"10.258"), 0x0A000102u);
  EXPECT_EQ(AddressTextValue(L"1.2.3"), 0x01020003u);
  EXPECT_EQ(AddressTextValue(L"4294967295"), 0xFFFFFFFFu);
  EXPECT_EQ(AddressTextValue(L"1..3.4"), 0xFFFFFFFFu);
  EXPECT_EQ(AddressTextValue(L"1.2.3.256"), 0xFFFFFFFFu);
  EXPECT_EQ(AddressTextValue(L"1.2.3.4.5"), 0xFFFFFFFFu);
}

TEST(Subnet, CandidatesMustShareTheOwnSubnet) {
  constexpr std::uint32_t kOwn = 0xC0A8000A;  // 192.168.0.10
  struct Row {
    std::uint32_t mask;
    std::uint32_t candidate;
    bool passes;
  };
  const Row rows[] = {
      {0xFFFFFF00, 0xC0A80000, true},   {0xFFFFFF00, 0xC0A800FF, true},   {0xFFFFFF00, 0xC0A80109, false},
      {0xFFFFFF80, 0xC0A80005, true},   {0xFFFFFF80, 0xC0A8007F, true},   {0xFFFFFF80, 0xC0A80080, false},
      {0xFFFFFF80, 0xC0A800C8, false},  {0xFFFF0000, 0xC0A8FF01, true},   {0xFF00FF00, 0xC0A80009, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << std::hex << row.mask << " " << row.candidate);
    EXPECT_EQ(InSameSubnet(row.candidate, kOwn, row.mask), row.passes);
  }
}

}  // namespace
}  // namespace tvx
