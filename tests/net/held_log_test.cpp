#include "net/held_log.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "core/activity_log.h"
#include "support/scoped_env.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

constexpr char kStamp[] = "\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\] ";

class HeldLogTest : public testing::Test {
 protected:
  ~HeldLogTest() override { ChangeCurrentFolder(before_); }

  std::string Log() const {
    std::string bytes;
    ReadWholeFile(folder_.Join(kLogFileName), bytes);
    return bytes;
  }

  const std::wstring before_ = CurrentFolder();
  ScratchFolder folder_;
};

TEST_F(HeldLogTest, HeldLinesInterleaveWithOtherWritersInOrderAndLookTheSame) {
  ASSERT_TRUE(WriteWholeFile(folder_.Join(kLogFileName), "[2023-01-01 00:00:00] earlier run\r\n"));
  HeldLog log;
  log.Hold(folder_.Path());
  ASSERT_TRUE(log.Held());
  log.Write(L"Data: |.COPY, 90000, 40960, 40960");
  // Another thread's line goes through the log's own open and close.
  WriteLogIn(folder_.Path(), L"client: Finish CMD Thread!");
  log.Write(L"Data: |.COPY, 90000, 81920, 40960\nsecond line");
  log.Release();
  EXPECT_FALSE(log.Held());
  const std::string s = kStamp;
  const std::regex expected("\\[2023-01-01 00:00:00\\] earlier run\r\n" + s +
                            "Data: \\|\\.COPY, 90000, 40960, 40960\r\n" + s +
                            "client: Finish CMD Thread!\r\n" + s +
                            "Data: \\|\\.COPY, 90000, 81920, 40960\r\nsecond line\r\n");
  EXPECT_TRUE(std::regex_match(Log(), expected)) << Log();
  EXPECT_TRUE(EqualsNoCase(CurrentFolder(), folder_.Path())) << "later relative names resolve there";
}

TEST_F(HeldLogTest, UnheldOrUnopenableLogFallsBackToTheActivityLog) {
#ifndef _WIN32
  ScopedEnv program("TRALVEX_PROGRAM_FOLDER", ToUtf8(folder_.Path()));
#endif
  // The program folder's log: the test's own folder here, the executable's on Windows.
  std::string before;
  ReadWholeFile(ProgramFilePath(kLogFileName), before);
  HeldLog log;
  log.Write(L"before holding");
  log.Hold(folder_.Join(L"missing"));
  EXPECT_FALSE(log.Held());
  log.Write(L"after a failed hold");
  std::string after;
  ASSERT_TRUE(ReadWholeFile(ProgramFilePath(kLogFileName), after));
  ASSERT_GE(after.size(), before.size());
  const std::string s = kStamp;
  EXPECT_TRUE(std::regex_match(after.substr(before.size()),
                               std::regex(s + "before holding\r\n" + s + "after a failed hold\r\n")))
      << after;
}

}  // namespace
}  // namespace tvx
