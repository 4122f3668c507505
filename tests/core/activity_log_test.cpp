#include "core/activity_log.h"

#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <thread>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

std::string LogOf(const ScratchFolder& folder) {
  std::string bytes;
  ReadWholeFile(folder.Join(kLogFileName), bytes);
  return bytes;
}

// Keeps the process's current folder as it was before the test.
class ActivityLog : public testing::Test {
 protected:
  ~ActivityLog() override { ChangeCurrentFolder(before_); }
  const std::wstring before_ = CurrentFolder();
  ScratchFolder folder_;
};

TEST(ActivityLogLine, HasTheTimeStampTheTextAndCrLf) {
  struct Row { std::optional<LogTime> time; const wchar_t* text; const char* line; };
  const Row rows[] = {
      {LogTime{2024, 3, 5, 7, 8, 9}, L"Server Socket Listen fail Error: 10048",
       "[2024-03-05 07:08:09] Server Socket Listen fail Error: 10048\r\n"},
      {std::nullopt, L"no clock", "[0000-00-00 -1:-1:-1] no clock\r\n"},
      {LogTime{2024, 12, 31, 23, 59, 59}, L"first\nsecond\r\nthird",
       "[2024-12-31 23:59:59] first\r\nsecond\r\nthird\r\n"},
      {LogTime{2024, 1, 1, 0, 0, 0}, L"", "[2024-01-01 00:00:00] \r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    EXPECT_EQ(FormatLogLine(row.time, row.text), row.line);
  }
  EXPECT_EQ(FormatLogLine(std::nullopt, L"caf\u00e9"),
            "[0000-00-00 -1:-1:-1] " + ToAnsi(L"caf\u00e9") + "\r\n");
}

TEST_F(ActivityLog, LinesAppendAcrossRuns) {
  ASSERT_TRUE(WriteWholeFile(folder_.Join(kLogFileName), "[2023-01-01 00:00:00] earlier run\r\n"));
  WriteLogIn(folder_.Path(), L"ClientControl Send CMD: |.INIT");
  WriteLogIn(folder_.Path(), L"Finish thread start");
  const std::regex expected(
      "\\[2023-01-01 00:00:00\\] earlier run\r\n"
      "\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\] ClientControl Send CMD: \\|\\.INIT\r\n"
      "\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\] Finish thread start\r\n");
  EXPECT_TRUE(std::regex_match(LogOf(folder_), expected)) << LogOf(folder_);
  EXPECT_TRUE(EqualsNoCase(CurrentFolder(), folder_.Path())) << "later relative names resolve there";
}

TEST_F(ActivityLog, UnwritableLogLosesTheLineQuietly) {
  ASSERT_TRUE(ChangeCurrentFolder(folder_.Path()));
  const std::wstring missing = folder_.Join(L"gone");
  WriteLogIn(missing, L"lost");
  EXPECT_FALSE(PathExists(missing + L"\\" + kLogFileName));
  EXPECT_FALSE(PathExists(folder_.Join(kLogFileName))) << "never in the current folder instead";
}

TEST_F(ActivityLog, LinesOfTwoThreadsNeverMix) {
  constexpr int kLines = 200;
  auto writer = [this](const wchar_t* who) {
    for (int i = 0; i < kLines; ++i) WriteLogIn(folder_.Path(), who);
  };
  std::thread first(writer, L"client: SendCmdBlock() INIT");
  std::thread second(writer, L"server: Initialize()");
  first.join();
  second.join();

  const std::string log = LogOf(folder_);
  const std::regex line("\\[[-\\d: ]{19}\\] (client: SendCmdBlock\\(\\) INIT|server: Initialize\\(\\))\r\n");
  int count = 0;
  for (auto it = std::sregex_iterator(log.begin(), log.end(), line); it != std::sregex_iterator(); ++it) {
    ++count;
  }
  EXPECT_EQ(count, 2 * kLines);
  EXPECT_EQ(std::regex_replace(log, line, ""), "");
}

TEST_F(ActivityLog, WriteLogGoesToTheProgramFolder) {
  const std::wstring marker =
      L"marker " + std::to_wstring(std::chrono::steady_clock::now().time_since_epoch().count());
  WriteLog(marker);
  std::string log;
  ASSERT_TRUE(ReadWholeFile(ProgramFilePath(kLogFileName), log));
  EXPECT_NE(log.find(ToAnsi(marker) + "\r\n"), std::string::npos);
  EXPECT_TRUE(EqualsNoCase(CurrentFolder(), ProgramFolder()));
}

}  // namespace
}  // namespace tvx
