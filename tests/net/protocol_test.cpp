#include "net/protocol.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "base/text.h"

namespace tvx {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes.push_back(static_cast<char>(v));
  return bytes;
}

TEST(Protocol, HeaderIsItsTextInUtf16ZeroPaddedTo256Bytes) {
  const std::wstring text = HeaderText(kCmdConnect, kNoFileName, 0, 0);
  EXPECT_EQ(text, L"HEADER?|.CONNECT? \"\" ?0?0");
  const std::string block = EncodeHeader(text);
  ASSERT_EQ(block.size(), kHeaderBytes);
  const std::string utf16 = ToUtf16Le(text);
  EXPECT_EQ(block.substr(0, utf16.size()), utf16);
  EXPECT_EQ(block.find_first_not_of('\0', utf16.size()), std::string::npos);
}

TEST(Protocol, LongHeadersArriveCutAt128UnitsAndStillParse) {
  // "HEADER?|.CHECK?" is 15 units, "?1234?5" 7; the name makes up the rest.
  struct Row {
    std::size_t nameLength;
    std::int64_t size;
    std::int64_t value;
  };
  const Row rows[] = {
      {100, 1234, 5}, {106, 1234, 5},  // 128 units exactly: no terminator arrives
      {107, 1234, 0}, {113, 0, 0}, {114, 0, 0}, {300, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.nameLength);
    const std::wstring name(row.nameLength, L'n');
    const std::wstring text = HeaderText(kCmdCheck, name, 1234, 5);
    const std::string block = EncodeHeader(text);
    ASSERT_EQ(block.size(), kHeaderBytes);
    EXPECT_EQ(HeaderBlockText(block), text.substr(0, kHeaderUnits));
    const CommandHeader header = ParseHeader(block);
    EXPECT_EQ(header.command, kCmdCheck);
    EXPECT_EQ(header.name, name.substr(0, kHeaderUnits - 15));
    EXPECT_EQ(header.size, row.size);
    EXPECT_EQ(header.value, row.value);
  }
}

TEST(Protocol, FormatBufferCutsTextsAt259Units) {
  const std::wstring text = HeaderText(kCmdCheck, std::wstring(400, L'x'), 1, 2);
  EXPECT_EQ(text.size(), kHeaderBufferUnits - 1);
}

TEST(Protocol, ParsingSplitsOnQuestionMarksDroppingEmptyFields) {
  struct Row {
    const wchar_t* text;
    const wchar_t* command;
    const wchar_t* name;
    std::int64_t size;
    std::int64_t value;
  };
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  const Row rows[] = {
      {L"HEADER?|.COPY?USMT.MIG?12345678901?-1", L"|.COPY", L"USMT.MIG", 12345678901, -1},
      {L"HEADER?|.INIT? \"\" ?0?7", L"|.INIT", L" \"\" ", 0, 7},
      // An empty name vanishes and shifts size and value: hence the placeholder.
      {L"HEADER?|.INIT??0?7", L"|.INIT", L"0", 7, 0},
      {L"HEADER?|.SCAN?a?1?2?3?4", L"|.SCAN", L"a", 1, 2},
      {L"??HEADER??|.SCAN", L"|.SCAN", L"", 0, 0},
      {L"|.SCAN?n?1?2", L"n", L"1", 2, 0},  // the first field is skipped, whatever it is
      {L"HEADER?|.COPY?x? 42abc?+7", L"|.COPY", L"x", 42, 7},
      {L"HEADER?|.COPY?x?99999999999999999999?-99999999999999999999", L"|.COPY", L"x", kMax,
       std::numeric_limits<std::int64_t>::min()},
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
}

TEST(Protocol, ParsingStopsAtTheFirstZeroUnitAndToleratesShortBlocks) {
  std::string block = EncodeHeader(L"HEADER?|.SCAN?a?1?2");
  // Garbage after the terminator is not part of the text.
  const std::string tail = ToUtf16Le(L"?|.FINISH?b?9?9");
  block.replace(60, tail.size(), tail);
  EXPECT_EQ(ParseHeader(block).command, kCmdScan);
  EXPECT_EQ(ParseHeader(block.substr(0, 25)).command, L"|.SCA") << "a short block counts as zero-padded";
  EXPECT_EQ(ParseHeader(block + "extra").value, 2) << "bytes beyond 256 are ignored";
}

TEST(Protocol, ExtremeNumbersSurviveTheRoundTrip) {
  CommandHeader sent{kCmdFinishScan, kNewStoreName, std::numeric_limits<std::int64_t>::max(),
                     std::numeric_limits<std::int64_t>::min()};
  const CommandHeader got = ParseHeader(EncodeHeader(sent));
  EXPECT_EQ(got.command, sent.command);
  EXPECT_EQ(got.name, sent.name);
  EXPECT_EQ(got.size, sent.size);
  EXPECT_EQ(got.value, sent.value);
}

TEST(Protocol, EachSideMapsOnlyItsOwnCommandsToSteps) {
  struct Row {
    const wchar_t* command;
    int sendingPc;
    int receivingPc;
  };
  const Row rows[] = {
      {kCmdConnect, 0, 331},    {kCmdInit, 331, 0},         {kCmdCheck, 332, 332},
      {kCmdDataInfo, 0, 334},   {kCmdAccount, 334, 0},      {kCmdScan, 337, 337},
      {kCmdFinishScan, 0, 342}, {kCmdCopy, 338, 343},       {kCmdFinishCopy, 343, 339},
      {kCmdFinish, 340, 0},     {kCmdLoad, 339, 0},         {L"|.copy", 0, 0},
      {L"COPY", 0, 0},          {L"|.COPY ", 0, 0},         {L"", 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.command)));
    EXPECT_EQ(SendingPcStep(row.command), row.sendingPc);
    EXPECT_EQ(ReceivingPcStep(row.command), row.receivingPc);
  }
}

TEST(Protocol, ChecksumFollowsRfc1071OverLittleEndianWords) {
  struct Row {
    const char* what;
    std::string bytes;
    std::uint16_t checksum;
  };
  const Row rows[] = {
      {"nothing", "", 0xFFFF},
      // RFC 1071's own example sums to DDF2 in network order; little-endian
      // words give the byte-swapped sum, F2DD.
      {"RFC 1071 example", Bytes({0x00, 0x01, 0xF2, 0x03, 0xF4, 0xF5, 0xF6, 0xF7}), 0x0D22},
      {"odd length, last byte unshifted", Bytes({0x01, 0x02, 0x03}), 0xFDFB},
      {"one byte", Bytes({0xFF}), 0xFF00},
      {"carries fold back in", Bytes({0xFF, 0xFF, 0x01, 0x00}), 0xFFFE},
      {"all ones", Bytes({0xFF, 0xFF, 0xFF, 0xFF}), 0x0000},
      {"ascii", "abc", 0x9D3B},  // ~(0x6261 + 0x63)
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(InternetChecksum(row.bytes.data(), row.bytes.size()), row.checksum);
  }
}

TEST(Protocol, DataFollowedByItsChecksumSumsToZero) {
  std::string data;
  for (int i = 0; i < 100; ++i) data.push_back(static_cast<char>(i * 37 + 11));
  const std::uint16_t sum = InternetChecksum(data.data(), data.size());
  data.push_back(static_cast<char>(sum & 0xFF));
  data.push_back(static_cast<char>(sum >> 8));
  EXPECT_EQ(InternetChecksum(data.data(), data.size()), 0);
}

}  // namespace
}  // namespace tvx
