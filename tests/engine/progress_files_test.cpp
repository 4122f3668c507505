#include "engine/progress_files.h"

#include <gtest/gtest.h>

#include <string>

#include "base/file.h"
#include "base/text.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

std::string Line(const std::string& pairs) {
  return "07 Dec 2026, 10:15:02 +00:00, 00:00:04, " + pairs + "\r\n";
}

class ProgressFiles : public testing::Test {
 protected:
  std::wstring Write(const std::string& bytes, const wchar_t* name = L"progress.txt") {
    const std::wstring path = scratch_.Join(name);
    EXPECT_TRUE(WriteWholeFile(path, bytes));
    return path;
  }
  void Append(const std::wstring& path, const std::string& bytes) {
    File file;
    ASSERT_TRUE(file.Open(path, OpenMode::Append));
    ASSERT_TRUE(file.Write(bytes.data(), bytes.size()));
  }
  ScratchFolder scratch_;
};

TEST(ProgressValue, KeepsWhatFollowsTheLastComma) {
  struct Row {
    const wchar_t* line;
    const wchar_t* key;
    const wchar_t* value;
  };
  const Row rows[] = {
      {L"07 Dec 2026, 10:15:02, totalPercentageCompleted, 45", L"totalPercentageCompleted", L"45"},
      {L"x, totalSizeInMBToTransfer, 188.93", L"totalSizeInMBToTransfer, ", L"188.93"},
      {L"totalPercentageCompleted, 100", L"totalPercentageCompleted", L"100"},
      {L"totalPercentageCompleted, ", L"totalPercentageCompleted", L""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.line)));
    const std::wstring line = row.line;
    EXPECT_EQ(ExtractValue(line, line.find(row.key)), row.value);
  }
}

TEST_F(ProgressFiles, PercentTakesTheNewestLineAndThenNothing) {
  const std::wstring path = Write(Line("totalPercentageCompleted, 5"));
  std::int64_t position = 0;
  bool opened = false;
  EXPECT_EQ(ReadNewPercent(path, position, opened), L"5");
  EXPECT_TRUE(opened);

  Append(path, Line("totalPercentageCompleted, 10") + Line("Copying files") +
                   Line("totalPercentageCompleted, 35"));
  EXPECT_EQ(ReadNewPercent(path, position, opened), L"35");
  EXPECT_EQ(ReadNewPercent(path, position, opened), L"");
  EXPECT_EQ(position, FileLength(path));
}

TEST_F(ProgressFiles, HalfWrittenLineWaitsForItsEnd) {
  const std::wstring path = Write("x, totalPercentageCompleted, 3");
  std::int64_t position = 0;
  bool opened = false;
  EXPECT_EQ(ReadNewPercent(path, position, opened), L"");
  EXPECT_EQ(position, 0);
  Append(path, "5\r\n");
  EXPECT_EQ(ReadNewPercent(path, position, opened), L"35");
}

TEST_F(ProgressFiles, PollReadsOnlyWhatWasAdded) {
  std::string big(50 * 1024 * 1024, 'x');
  big += "\r\n" + Line("totalPercentageCompleted, 20");
  const std::wstring path = Write(big);
  std::int64_t position = 0;
  bool opened = false;
  std::int64_t bytesRead = 0;
  EXPECT_EQ(ReadNewPercent(path, position, opened, &bytesRead), L"20");
  EXPECT_EQ(bytesRead, static_cast<std::int64_t>(big.size()));

  const std::string added = Line("totalPercentageCompleted, 21");
  Append(path, added);
  EXPECT_EQ(ReadNewPercent(path, position, opened, &bytesRead), L"21");
  EXPECT_EQ(bytesRead, static_cast<std::int64_t>(added.size()));
}

TEST_F(ProgressFiles, MissingFileIsNotOpened) {
  std::int64_t position = 7;
  bool opened = true;
  EXPECT_EQ(ReadNewPercent(scratch_.Join(L"none.txt"), position, opened), L"");
  EXPECT_FALSE(opened);
  EXPECT_EQ(position, 7);
}

TEST_F(ProgressFiles, ResultNeedsTheSuccessCode) {
  struct Row {
    const char* what;
    std::string text;
    int result;
  };
  const Row rows[] = {
      {"success at the end", Line("totalPercentageCompleted, 100") + Line("errorCode, 0"), 0},
      {"success with more on the line", Line("errorCode, 0, errorMessage, ok"), 0},
      {"another code", Line("errorCode, 2") + Line("errorMessage, failed"), 1},
      {"no code", Line("totalPercentageCompleted, 100"), 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    bool opened = false;
    EXPECT_EQ(ReadResult(Write(row.text), opened), row.result);
    EXPECT_TRUE(opened);
  }
  bool opened = true;
  EXPECT_EQ(ReadResult(scratch_.Join(L"none.txt"), opened), 1);
  EXPECT_FALSE(opened);
}

TEST_F(ProgressFiles, SizeComesFromTheFirstSizeLine) {
  struct Row {
    const char* what;
    std::string text;
    std::int64_t megabytes;
  };
  const Row rows[] = {
      {"fraction dropped", Line("totalSizeInMBToTransfer, 188.93"), 188},
      {"first line counts",
       Line("totalSizeInMBToTransfer, 12") + Line("totalSizeInMBToTransfer, 99"), 12},
      {"no size line", Line("errorCode, 0"), 0},
      {"last line without its end", "a, totalSizeInMBToTransfer, 7", 7},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::int64_t megabytes = -1;
    EXPECT_EQ(ReadSizeMB(Write(row.text), megabytes), 0);
    EXPECT_EQ(megabytes, row.megabytes);
  }
  std::int64_t megabytes = -1;
  EXPECT_EQ(ReadSizeMB(scratch_.Join(L"none.txt"), megabytes), 1);
  EXPECT_EQ(megabytes, 0);
}

TEST_F(ProgressFiles, FileListCountsSixteenBitLines) {
  struct Row {
    const char* what;
    std::wstring text;
    std::int64_t lines;
  };
  const Row rows[] = {
      {"three lines with a final end", L"C:\\a\r\nC:\\b\r\nC:\\c\r\n", 3},
      {"three lines without a final end", L"C:\\a\r\nC:\\b\r\nC:\\c", 3},
      {"LF alone ends a line", L"a\nb\n", 2},
      {"CR takes the unit after it", L"a\rxb\r\n", 2},
      {"empty file", L"", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(CountListLines(Write(ToUtf16Le(row.text), L"list.txt")), row.lines);
  }
  EXPECT_EQ(CountListLines(scratch_.Join(L"none.txt")), 0);
}

}  // namespace
}  // namespace tvx
