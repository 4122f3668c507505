#include "statetool/command_line.h"

#include <gtest/gtest.h>

#include "base/command_line.h"
#include "engine/tool_runner.h"

namespace tvx {
namespace {

// The arguments of a command line the program builds, as the tool receives them.
std::vector<std::wstring> ArgumentsOf(const std::wstring& line) {
  std::vector<std::wstring> args = SplitCommandLine(line);
  args.erase(args.begin());
  return args;
}

TEST(StateToolCommandLine, ModeComesFromTheProgramName) {
  struct Row {
    const wchar_t* name;
    ToolMode mode;
  };
  const Row rows[] = {
      {L"scanstate", ToolMode::kScan},
      {L"ScanState.EXE", ToolMode::kScan},
      {L"C:\\Tralvex\\x64\\loadstate.exe", ToolMode::kLoad},
      {L"/opt/tvx/x86/LOADSTATE", ToolMode::kLoad},
      {L"statetool", ToolMode::kUnknown},
      {L"scanstate.exe.bak", ToolMode::kUnknown},
      {L"", ToolMode::kUnknown},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.name)));
    EXPECT_EQ(ModeFromProgramName(row.name), row.mode);
  }
}

TEST(StateToolCommandLine, TakesTheScanLineTheProgramBuilds) {
  const ParsedCommandLine parsed =
      ParseToolArguments(ToolMode::kScan, ArgumentsOf(ScanCommandLine(L"E:\\TVX")));
  ASSERT_TRUE(parsed.ok()) << testing::PrintToString(parsed.error);
  const ToolOptions& o = parsed.options;
  EXPECT_EQ(o.storeFolder, L"E:\\TVX");
  EXPECT_EQ(o.ruleFiles, (std::vector<std::wstring>{L"migapp.xml", L"migcustom.xml"}));
  EXPECT_EQ(o.configFile, L"config.xml");
  EXPECT_TRUE(o.overwrite);
  EXPECT_TRUE(o.continueOnError);
  EXPECT_TRUE(o.localOnly);
  EXPECT_EQ(o.verbosity, 13);
  EXPECT_EQ(o.excludedUsers, (std::vector<std::wstring>{L"HomeGroupUser$", L"UpdatusUser"}));
  EXPECT_EQ(o.listFile, L"..\\list.txt");
  EXPECT_EQ(o.progressFile, L"..\\progress.txt");
}

TEST(StateToolCommandLine, TakesTheLoadLineWithAccountOptions) {
  const std::wstring line = LoadCommandLine(
      L"C:\\Program Files\\Tralvex", L" \"/mu:OLDPC\\bob:NEWPC\\robert\" \"/ue:OLDPC\\guest\" \"/mu:ann:anna\"");
  const ParsedCommandLine parsed = ParseToolArguments(ToolMode::kLoad, ArgumentsOf(line));
  ASSERT_TRUE(parsed.ok()) << testing::PrintToString(parsed.error);
  const ToolOptions& o = parsed.options;
  EXPECT_EQ(o.storeFolder, L"C:\\Program Files\\Tralvex");
  EXPECT_TRUE(o.createAccounts);
  EXPECT_TRUE(o.enableAccounts);
  EXPECT_EQ(o.progressFile, L"..\\progress_load.txt");
  EXPECT_EQ(o.excludedUsers,
            (std::vector<std::wstring>{L"HomeGroupUser$", L"UpdatusUser", L"OLDPC\\guest"}));
  ASSERT_EQ(o.moves.size(), 2u);
  EXPECT_EQ(o.moves[0].from, L"OLDPC\\bob");
  EXPECT_EQ(o.moves[0].to, L"NEWPC\\robert");
  EXPECT_EQ(o.moves[1].from, L"ann");
  EXPECT_EQ(o.moves[1].to, L"anna");
}

TEST(StateToolCommandLine, RefusesWhatNeitherToolUnderstands) {
  struct Row {
    ToolMode mode;
    std::vector<std::wstring> args;
  };
  const Row rows[] = {
      {ToolMode::kScan, {L"E:\\TVX", L"/bogus"}},
      {ToolMode::kScan, {L"E:\\TVX", L"/lac"}},               // the other tool's option
      {ToolMode::kLoad, {L"E:\\TVX", L"/listfiles:x.txt"}},
      {ToolMode::kLoad, {L"E:\\TVX", L"/o"}},
      {ToolMode::kScan, {L"E:\\TVX", L"/i:"}},                // value missing
      {ToolMode::kScan, {L"E:\\TVX", L"/c:yes"}},             // value not wanted
      {ToolMode::kScan, {L"E:\\TVX", L"/v:high"}},
      {ToolMode::kScan, {L"E:\\TVX", L"/config:a", L"/config:b"}},
      {ToolMode::kScan, {L"E:\\TVX", L"F:\\Other"}},          // two stores
      {ToolMode::kScan, {L"/i:migapp.xml"}},                  // no store
      {ToolMode::kScan, {L""}},
      {ToolMode::kLoad, {L"E:\\TVX", L"/mu:OLD\\a"}},         // no target
      {ToolMode::kLoad, {L"E:\\TVX", L"/mu:OLD\\a:"}},
      {ToolMode::kLoad, {L"E:\\TVX", L"/mu:OLD\\a:NEW\\.."}},  // would leave the Users folder
      {ToolMode::kLoad, {L"E:\\TVX", L"/mu:a:x\\y\\z"}},
      {ToolMode::kLoad, {L"E:\\TVX", L"/mu:a:b*"}},
      {ToolMode::kUnknown, {L"E:\\TVX"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.args));
    EXPECT_FALSE(ParseToolArguments(row.mode, row.args).ok());
  }
}

TEST(StateToolCommandLine, OptionNamesIgnoreCase) {
  const ParsedCommandLine parsed =
      ParseToolArguments(ToolMode::kScan, {L"/I:a.xml", L"E:\\TVX", L"/LocalOnly", L"/PROGRESS:p.txt"});
  ASSERT_TRUE(parsed.ok());
  EXPECT_EQ(parsed.options.ruleFiles, std::vector<std::wstring>{L"a.xml"});
  EXPECT_TRUE(parsed.options.localOnly);
  EXPECT_EQ(parsed.options.progressFile, L"p.txt");
}

TEST(StateToolCommandLine, KeepsTheProgressFileOfALineItRefuses) {
  const ParsedCommandLine parsed =
      ParseToolArguments(ToolMode::kLoad, {L"/progress:..\\progress_load.txt", L"E:\\TVX", L"/nope"});
  EXPECT_FALSE(parsed.ok());
  EXPECT_EQ(parsed.options.progressFile, L"..\\progress_load.txt");
}

TEST(StateToolCommandLine, UserNamesFollowWindowsRules) {
  for (const wchar_t* good : {L"alice", L"Bob Smith", L"HomeGroupUser$", L"Ünal", L"a.b"}) {
    EXPECT_TRUE(IsValidUserName(good)) << testing::PrintToString(std::wstring(good));
  }
  for (const wchar_t* bad : {L"", L".", L"..", L"a.", L"a ", L"a\\b", L"a/b", L"a:b", L"a*", L"a\tb"}) {
    EXPECT_FALSE(IsValidUserName(bad)) << testing::PrintToString(std::wstring(bad));
  }
}

}  // namespace
}  // namespace tvx
