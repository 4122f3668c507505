#include "statetool/progress_writer.h"

#include <gtest/gtest.h>

#include "base/file.h"
#include "engine/progress_files.h"
#include "statetool/tool_files.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

TimeStamp At(int hour, int offset) {
  TimeStamp stamp;
  stamp.year = 2026;
  stamp.month = 12;
  stamp.day = 7;
  stamp.hour = hour;
  stamp.minute = 15;
  stamp.second = 2;
  stamp.utcOffsetMinutes = offset;
  return stamp;
}

TEST(ProgressWriter, FormatsLinesAsTheToolDoes) {
  EXPECT_EQ(FormatProgressLine(At(10, 0), 4, L"totalPercentageCompleted, 35"),
            "07 Dec 2026, 10:15:02 +00:00, 00:00:04, totalPercentageCompleted, 35\r\n");
  EXPECT_EQ(FormatProgressLine(At(9, -330), 3 * 3600 + 61, L"PHASE, Scanning"),
            "07 Dec 2026, 09:15:02 -05:30, 03:01:01, PHASE, Scanning\r\n");
  EXPECT_EQ(FormatProgressLine(At(0, 60), 125 * 3600, L"x"), "07 Dec 2026, 00:15:02 +01:00, 125:00:00, x\r\n");
}

TEST(ProgressWriter, WritesSizesInMegabytesWithTwoDecimals) {
  struct Row {
    std::uint64_t bytes;
    const wchar_t* text;
  };
  const Row rows[] = {
      {0, L"0.00"},
      {1, L"0.00"},
      {1048576, L"1.00"},
      {198105743, L"188.93"},
      {1048576ULL * 1024 * 1024, L"1048576.00"},
      {1048576 - 1, L"1.00"},
      {1048576 / 100 * 5 + 5000, L"0.05"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.bytes);
    EXPECT_EQ(MegabytesText(row.bytes), row.text);
  }
}

TEST(ProgressWriter, GivesEachPercentOnceAndAHundredOnlyAtTheEnd) {
  PercentMeter meter(1000);
  EXPECT_EQ(meter.Advance(0), 0);
  EXPECT_EQ(meter.Advance(5), std::nullopt);
  EXPECT_EQ(meter.Advance(350), 35);
  EXPECT_EQ(meter.Advance(351), std::nullopt);
  EXPECT_EQ(meter.Advance(999), 99);
  EXPECT_EQ(meter.Advance(1000), 100);
  EXPECT_EQ(meter.Advance(2000), std::nullopt);

  PercentMeter nothing(0);
  EXPECT_EQ(nothing.Advance(0), 100);
  PercentMeter huge(~0ULL);
  EXPECT_EQ(huge.Advance(1), 0);
  EXPECT_EQ(huge.Advance(~0ULL - 1), 99);
  EXPECT_EQ(huge.Advance(~0ULL), 100);
}

// The wizard's own readers must understand what the tool writes.
TEST(ProgressWriter, WritesWhatTheWizardReads) {
  ScratchFolder scratch;
  const std::wstring path = scratch.Join(L"progress.txt");
  ProgressWriter writer([] { return At(10, 0); }, [] { return std::int64_t{4}; });
  ASSERT_TRUE(writer.Open(path));
  writer.Phase(L"Scanning");
  writer.SizeToTransfer(198105743);
  writer.Percent(10);
  writer.Percent(35);

  std::int64_t position = 0;
  bool opened = false;
  EXPECT_EQ(ReadNewPercent(path, position, opened), L"35");
  EXPECT_EQ(ReadNewPercent(path, position, opened), L"");
  writer.Percent(100);
  EXPECT_EQ(ReadNewPercent(path, position, opened), L"100");
  std::int64_t megabytes = -1;
  EXPECT_EQ(ReadSizeMB(path, megabytes), 0);
  EXPECT_EQ(megabytes, 188);
  EXPECT_EQ(ReadResult(path, opened), 1);  // not finished yet

  writer.Result(0, 2, L"Successful run");
  EXPECT_EQ(ReadResult(path, opened), 0);
  EXPECT_EQ(ReadNewPercent(path, position, opened), L"");
}

TEST(ProgressWriter, AFailedRunIsNotReadAsSuccess) {
  ScratchFolder scratch;
  for (const int code : {11, 42, 61, 100, 1}) {
    SCOPED_TRACE(code);
    const std::wstring path = scratch.Join(L"progress_load.txt");
    {
      ProgressWriter writer;
      ASSERT_TRUE(writer.Open(path));
      writer.Percent(50);
      writer.Result(code, 0, L"The store is damaged or incomplete");
    }
    bool opened = false;
    EXPECT_EQ(ReadResult(path, opened), 1);
    EXPECT_TRUE(opened);
  }
}

TEST(ProgressWriter, FileListHasOneLinePerFile) {
  ScratchFolder scratch;
  const std::wstring path = scratch.Join(L"list.txt");
  const std::vector<std::wstring> files = {L"C:\\Users\\a\\x [1].txt", L"C:\\Users\\a\\\u65e5\u672c.txt",
                                           L"C:\\e"};
  ASSERT_TRUE(WriteWholeFile(path, FileListBytes(files)));
  EXPECT_EQ(CountListLines(path), 3);
  ASSERT_TRUE(WriteWholeFile(path, FileListBytes({})));
  EXPECT_EQ(CountListLines(path), 0);
}

}  // namespace
}  // namespace tvx
