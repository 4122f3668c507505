#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/file.h"
#include "engine/progress_files.h"
#include "statetool/load.h"
#include "statetool/progress_writer.h"
#include "statetool/scan.h"
#include "statetool/tool_sandbox.h"

namespace tvx {
namespace {

std::string Bytes(std::size_t size, int seed) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + seed) ^ (i >> 9));
  return bytes;
}

struct Sample {
  const wchar_t* path;
  std::string bytes;
};

class ScanLoad : public testing::Test {
 protected:
  void SetUp() override {
    for (const Sample& sample : samples_) sandbox_.WriteFile(sample.path, sample.bytes);
    sandbox_.WriteFile(L"Data\\not named.txt", "stays");
    sandbox_.SetPatterns({sandbox_.Path(L"Data\\Docs") + L"\\* [*]",
                          sandbox_.Path(L"Data") + L"\\ [a^[1^].txt]",
                          sandbox_.Path(L"Data\\missing") + L"\\* [*]",
                          sandbox_.Path(L"Data") + L"\\ [gone.txt]"});
  }

  // Removes what was captured, as if the files were on another PC.
  void ForgetCapturedFiles() {
    ASSERT_TRUE(RemoveFolderTree(sandbox_.Path(L"Data\\Docs")));
    ASSERT_TRUE(RemoveFile(sandbox_.Path(L"Data\\a[1].txt")));
  }

  ToolSandbox sandbox_;
  const Sample samples_[6] = {
      {L"Data\\Docs\\notes [old].txt", "hello\r\n"},
      {L"Data\\Docs\\empty.bin", ""},
      {L"Data\\Docs\\sub\\Gr\u00fc\u00dfe \u65e5\u672c.txt", "\xC3\xBC"},
      {L"Data\\Docs\\sub\\deeper\\big.bin", Bytes((5 << 20) + 77, 3)},
      {L"Data\\Docs\\x^y & z.txt", "amp"},
      {L"Data\\a[1].txt", Bytes(4096, 9)},
  };
};

TEST_F(ScanLoad, MovesFilesByteForByte) {
  const ToolOutcome scan = sandbox_.Scan();
  ASSERT_EQ(scan.code, 0) << testing::PrintToString(std::wstring(scan.message));
  bool opened = false;
  EXPECT_EQ(ReadResult(sandbox_.ScanProgress(), opened), 0);
  EXPECT_EQ(CountListLines(sandbox_.FileList()), 6);
  std::int64_t megabytes = 0;
  EXPECT_EQ(ReadSizeMB(sandbox_.ScanProgress(), megabytes), 0);
  EXPECT_EQ(megabytes, 5);
  EXPECT_FALSE(sandbox_.Exists(L"Prog\\USMT\\USMT.MIG.partial"));

  ForgetCapturedFiles();
  const ToolOutcome load = sandbox_.Load();
  ASSERT_EQ(load.code, 0) << testing::PrintToString(std::wstring(load.message));
  EXPECT_EQ(ReadResult(sandbox_.LoadProgress(), opened), 0);
  std::int64_t position = 0;
  EXPECT_EQ(ReadNewPercent(sandbox_.LoadProgress(), position, opened), L"100");
  for (const Sample& sample : samples_) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(sample.path)));
    EXPECT_EQ(sandbox_.ReadFile(sample.path), sample.bytes);
  }
  EXPECT_EQ(sandbox_.ReadFile(L"Data\\not named.txt"), "stays");
}

TEST_F(ScanLoad, KeepsTheTimeOfLastWrite) {
  ASSERT_EQ(sandbox_.Scan().code, 0);
  std::vector<DirEntry> before;
  ASSERT_TRUE(ListFolder(sandbox_.Path(L"Data\\Docs"), before));
  ForgetCapturedFiles();
  ASSERT_EQ(sandbox_.Load().code, 0);
  std::vector<DirEntry> after;
  ASSERT_TRUE(ListFolder(sandbox_.Path(L"Data\\Docs"), after));
  ASSERT_EQ(before.size(), after.size());
  for (const DirEntry& old : before) {
    if (old.attributes & kAttrDirectory) continue;
    const auto same = std::find_if(after.begin(), after.end(), [&](const DirEntry& e) { return e.name == old.name; });
    ASSERT_NE(same, after.end());
    EXPECT_EQ(same->lastWrite, old.lastWrite) << testing::PrintToString(old.name);
  }
}

TEST_F(ScanLoad, RefusesADamagedStoreWithoutWritingAnything) {
  ASSERT_EQ(sandbox_.Scan().code, 0);
  std::string store;
  ASSERT_TRUE(ReadWholeFile(sandbox_.StoreFile(), store));
  ForgetCapturedFiles();
  const std::string intact = store;
  for (const std::size_t cut : {store.size() / 2, store.size() - 1}) {
    SCOPED_TRACE(cut);
    std::string damaged = intact;
    damaged[cut] ^= 0x40;
    ASSERT_TRUE(WriteWholeFile(sandbox_.StoreFile(), damaged));
    EXPECT_EQ(sandbox_.Load().code, kToolCorruptStore);
    ASSERT_TRUE(WriteWholeFile(sandbox_.StoreFile(), intact.substr(0, cut)));
    EXPECT_EQ(sandbox_.Load().code, kToolCorruptStore);
    bool opened = false;
    EXPECT_EQ(ReadResult(sandbox_.LoadProgress(), opened), 1);
    EXPECT_FALSE(sandbox_.Exists(L"Data\\Docs"));
    EXPECT_FALSE(sandbox_.Exists(L"Data\\a[1].txt"));
  }
}

TEST_F(ScanLoad, FailSwitchEndsTheRunWithItsCodeAndNoStore) {
  sandbox_.environment.failCode = 33;
  EXPECT_EQ(sandbox_.Scan().code, 33);
  bool opened = false;
  EXPECT_EQ(ReadResult(sandbox_.ScanProgress(), opened), 1);
  std::int64_t position = 0;
  EXPECT_NE(ReadNewPercent(sandbox_.ScanProgress(), position, opened), L"");
  EXPECT_FALSE(sandbox_.Exists(L"Prog\\USMT\\USMT.MIG"));

  sandbox_.environment.failCode = 0;
  ASSERT_EQ(sandbox_.Scan().code, 0);
  ForgetCapturedFiles();
  sandbox_.environment.failCode = 7;
  EXPECT_EQ(sandbox_.Load().code, 7);
  EXPECT_EQ(ReadResult(sandbox_.LoadProgress(), opened), 1);
  EXPECT_FALSE(sandbox_.Exists(L"Data\\Docs"));
}

TEST_F(ScanLoad, AnExistingStoreNeedsOverwrite) {
  ASSERT_EQ(sandbox_.Scan().code, 0);
  const ParsedCommandLine parsed = ParseToolArguments(ToolMode::kScan, {sandbox_.Path(L"Prog")});
  ASSERT_TRUE(parsed.ok());
  ProgressWriter quiet;
  EXPECT_EQ(RunScan(parsed.options, sandbox_.environment, quiet).code, kToolStoreLocationError);
  EXPECT_TRUE(sandbox_.Exists(L"Prog\\USMT\\USMT.MIG"));
}

TEST_F(ScanLoad, LoadWithoutAStoreFails) {
  EXPECT_EQ(sandbox_.Load().code, kToolStoreLocationError);
  bool opened = false;
  EXPECT_EQ(ReadResult(sandbox_.LoadProgress(), opened), 1);
}

TEST_F(ScanLoad, NeverWritesOverTheStoreItReads) {
  // The other PC kept an old store where this PC keeps the one it loads.
  sandbox_.WriteFile(L"Old\\USMT\\USMT.MIG", "an old store");
  sandbox_.SetPatterns({sandbox_.Path(L"Old") + L"\\* [*]", sandbox_.Path(L"Data") + L"\\ [a^[1^].txt]"});
  ASSERT_EQ(sandbox_.Scan().code, 0);
  std::string store;
  ASSERT_TRUE(ReadWholeFile(sandbox_.StoreFile(), store));
  ASSERT_TRUE(RemoveFile(sandbox_.Path(L"Data\\a[1].txt")));
  // This PC's store folder is where the old one was.
  ASSERT_TRUE(RemoveFile(sandbox_.Path(L"Old\\USMT\\USMT.MIG")));
  ASSERT_TRUE(WriteWholeFile(sandbox_.Path(L"Old\\USMT\\USMT.MIG"), store));
  const ParsedCommandLine parsed = ParseToolArguments(ToolMode::kLoad, {sandbox_.Path(L"Old")});
  ASSERT_TRUE(parsed.ok());
  ProgressWriter quiet;
  EXPECT_EQ(RunLoad(parsed.options, sandbox_.environment, quiet).code, 0);
  EXPECT_TRUE(sandbox_.ReadFile(L"Old\\USMT\\USMT.MIG") == store) << "the store was written over";
  EXPECT_EQ(sandbox_.ReadFile(L"Data\\a[1].txt"), samples_[5].bytes);
}

TEST_F(ScanLoad, AFileThatCannotBeRestoredFailsTheLoadButNotTheOthers) {
  ASSERT_EQ(sandbox_.Scan().code, 0);
  ForgetCapturedFiles();
  // A folder where a file should go: that one file cannot be written.
  ASSERT_TRUE(MakeFolderPath(sandbox_.Path(L"Data\\a[1].txt")));
  const ToolOutcome load = sandbox_.Load();
  EXPECT_EQ(load.code, kToolFileErrors);
  EXPECT_EQ(load.ignoredErrors, 1u);
  EXPECT_EQ(sandbox_.ReadFile(L"Data\\Docs\\notes [old].txt"), "hello\r\n");
}

}  // namespace
}  // namespace tvx
