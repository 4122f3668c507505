#include "net/protocol.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "base/text.h"

namespace tvx {
namespace {

TEST(Protocol, HeadersArriveCutAt128UnitsAndStillParse) {
  // "HEADER?|.CHECK?" is 15 units and "?1234?5" 7; the name makes up the rest.
  struct Row {
    std::size_t nameLength;
    std::int64_t size;
    std::int64_t value;
  };
  const Row rows[] = {
      {10, 1234, 5},  {106, 1234, 5},  // 128 units exactly: no terminator arrives
      {107, 1234, 0}, {113, 0, 0},    {300, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.nameLength);
    const std::wstring name(row.nameLength, L'n');
    const std::wstring text = HeaderText(kCmdCheck, name, 1234, 5);
    const std::string block = EncodeHeader(text);
    ASSERT_EQ(block.size(), kHeaderBytes);
    const std::string sent = ToUtf16Le(text.substr(0, kHeaderUnits));
    EXPECT_EQ(block.substr(0, sent.size()), sent);
    EXPECT_EQ(block.find_first_not_of('\0', sent.size()), std::string::npos) << "zero-padded";
    const CommandHeader header = ParseHeader(block);
    EXPECT_EQ(header.command, kCmdCheck);
    EXPECT_EQ(header.name, name.substr(0, kHeaderUnits - 15));
    EXPECT_EQ(header.size, row.size);
    EXPECT_EQ(header.value, row.value);
  }
}

TEST(Protocol, ParsingSplitsOnQuestionMarksDroppingEmptyFields) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  struct Row {
    const wchar_t* text;
    const wchar_t* command;
    const wchar_t* name;
    std::int64_t size;
    std::int64_t value;
  };
  const Row rows[] = {
      {L"HEADER?|.COPY?USMT.MIG?12345678901?-1", L"|.COPY", L"USMT.MIG", 12345678901, -1},
      {L"HEADER?|.INIT? \"\" ?0?7", L"|.INIT", L" \"\" ", 0, 7},
      {L"HEADER?|.INIT??0?7", L"|.INIT", L"0", 7, 0},  // why "no file" needs a placeholder
      {L"??HEADER??|.SCAN?a?1?2?3", L"|.SCAN", L"a", 1, 2},
      {L"|.SCAN?n?1?2", L"n", L"1", 2, 0},  // the first field is skipped, whatever it is
      {L"HEADER?|.COPY?x? 42abc?99999999999999999999", L"|.COPY", L"x", 42, kMax},
      {L"HEADER?|.COPY?x?-9223372036854775808?+7", L"|.COPY", L"x", kMin, 7},
      {L"HEADER?|.CHECK?\uD30C\uC77C.txt?3?0", L"|.CHECK", L"\uD30C\uC77C.txt", 3, 0},
      {L"", L"", L"", 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.text)));
    const CommandHeader header = ParseHeader(EncodeHeader(row.text));
    EXPECT_EQ(header.command, row.command);
    EXPECT_EQ(header.name, row.name);
    EXPECT_EQ(header.size, row.size);
    EXPECT_EQ(header.value, row.value);
  }
  // Garbage after the terminator is not part of the text.
  std::string block = EncodeHeader(L"HEADER?|.SCAN?a?1?2");
  const std::string tail = ToUtf16Le(L"?|.FINISH?b?9?9");
  block.replace(60, tail.size(), tail);
  EXPECT_EQ(ParseHeader(block).value, 2);
}

TEST(Protocol, ChecksumFollowsRfc1071OverLittleEndianWords) {
  struct Row {
    const char* what;
    std::string bytes;
    std::uint16_t checksum;
  };
  const Row rows[] = {
      {"nothing", "", 0xFFFF},
      // RFC 1071's example sums to DDF2 in network order; little-endian words
      // give the byte-swapped sum.
      {"RFC 1071 example", std::string("\x00\x01\xF2\x03\xF4\xF5\xF6\xF7", 8), 0x0D22},
      {"odd length, last byte unshifted", "\x01\x02\x03", 0xFDFB},
      {"carries fold back in", std::string("\xFF\xFF\x01\x00", 4), 0xFFFE},
      {"all ones", "\xFF\xFF\xFF\xFF", 0x0000},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(InternetChecksum(row.bytes.data(), row.bytes.size()), row.checksum);
  }
}

}  // namespace
}  // namespace tvx
