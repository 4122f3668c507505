// One contract for the file functions, run natively (drive map, names
// matched without regard to case) and under Windows (the Win32 file API).
#include "base/file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "base/path.h"
#include "base/text.h"
#include "fakes/sandbox_root.h"

namespace tvx {
namespace {

class FileContract : public testing::Test {
 protected:
  std::wstring At(const std::wstring& name) const { return sandbox_.Join(name); }

  std::string Contents(const std::wstring& name) const {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(At(name), bytes)) << ToUtf8(name);
    return bytes;
  }

  void Put(const std::wstring& name, const std::string& bytes) const {
    ASSERT_TRUE(WriteWholeFile(At(name), bytes)) << ToUtf8(name);
  }

  std::vector<DirEntry> List(const std::wstring& name) const {
    std::vector<DirEntry> entries;
    EXPECT_TRUE(ListFolder(At(name), entries)) << ToUtf8(name);
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return entries;
  }

  static std::string ReadSome(File& file, std::size_t length) {
    std::string bytes(length, '\0');
    const std::int64_t got = file.Read(bytes.data(), length);
    bytes.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
    return bytes;
  }

  SandboxRoot sandbox_;
};

TEST_F(FileContract, WritesReadsSeeksAndCuts) {
  File file;
  ASSERT_TRUE(file.Open(At(L"data.bin"), OpenMode::CreateAlways));
  ASSERT_TRUE(file.Write("hello world", 11));
  EXPECT_EQ(file.Size(), 11);
  EXPECT_EQ(file.Seek(0, SeekFrom::Begin), 0);
  EXPECT_EQ(ReadSome(file, 5), "hello");
  EXPECT_EQ(file.Seek(1, SeekFrom::Current), 6);
  EXPECT_EQ(ReadSome(file, 100), "world");
  EXPECT_EQ(ReadSome(file, 100), "");  // at the end
  EXPECT_EQ(file.Seek(-5, SeekFrom::End), 6);
  EXPECT_EQ(file.Seek(5, SeekFrom::Begin), 5);
  ASSERT_TRUE(file.SetEnd());
  EXPECT_EQ(file.Size(), 5);
  EXPECT_EQ(file.Seek(8, SeekFrom::Begin), 8);  // past the end: the gap reads as zeros
  ASSERT_TRUE(file.Write("!", 1));
  EXPECT_TRUE(file.Flush());
  file.Close();
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(FileLength(At(L"data.bin")), 9);
  EXPECT_EQ(Contents(L"data.bin"), std::string("hello\0\0\0!", 9));
}

TEST_F(FileContract, OpenModesTreatAnExistingFileAsWindowsDoes) {
  struct Row { const char* name; OpenMode mode; bool exists; bool opens; const char* after; };
  const Row rows[] = {
      // Each opened file gets "N" written at its position after opening.
      {"read, missing", OpenMode::Read, false, false, nullptr},
      {"read-write, missing", OpenMode::ReadWrite, false, false, nullptr},
      {"read-write, existing", OpenMode::ReadWrite, true, true, "Nld"},
      {"create, missing", OpenMode::CreateAlways, false, true, "N"},
      {"create, existing", OpenMode::CreateAlways, true, true, "N"},
      {"open-always, missing", OpenMode::OpenAlways, false, true, "N"},
      {"open-always, existing", OpenMode::OpenAlways, true, true, "Nld"},
      {"append, missing", OpenMode::Append, false, true, "N"},
      {"append, existing", OpenMode::Append, true, true, "oldN"},
  };
  int index = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::wstring name = L"mode" + std::to_wstring(index++) + L".txt";
    if (row.exists) Put(name, "old");
    File file;
    ASSERT_EQ(file.Open(At(name), row.mode), row.opens);
    if (!row.opens) {
      EXPECT_FALSE(PathExists(At(name)));
      continue;
    }
    ASSERT_TRUE(file.Write("N", 1));
    file.Close();
    EXPECT_EQ(Contents(name), row.after);
  }
}

TEST_F(FileContract, AppendWritesAtTheEndWhereverThePositionIs) {
  Put(L"TVX_LOG.txt", "ab");
  File first, second;
  ASSERT_TRUE(first.Open(At(L"TVX_LOG.txt"), OpenMode::Append));
  ASSERT_TRUE(second.Open(At(L"TVX_LOG.txt"), OpenMode::Append));
  first.Seek(0, SeekFrom::Begin);
  ASSERT_TRUE(first.Write("cd", 2));
  ASSERT_TRUE(second.Write("ef", 2));
  ASSERT_TRUE(first.Write("gh", 2));
  first.Close();
  second.Close();
  EXPECT_EQ(Contents(L"TVX_LOG.txt"), "abcdefgh");
}

TEST_F(FileContract, FindsANameInAnotherLetterCase) {
  Put(L"progress.txt", "totalPercentageCompleted, 40");
  File file;
  ASSERT_TRUE(file.Open(At(L"Progress.txt"), OpenMode::Read));
  EXPECT_EQ(ReadSome(file, 100), "totalPercentageCompleted, 40");
  file.Close();

  ASSERT_TRUE(MakeFolder(At(L"USMT")));
  Put(L"usmt\\List.txt", "1");
  Put(L"USMT\\LIST.TXT", "2");  // the same file again
  const std::vector<DirEntry> entries = List(L"Usmt");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, L"List.txt");
  EXPECT_EQ(Contents(L"usmt/list.txt"), "2");
  EXPECT_TRUE(IsFolder(At(L"usmt")));
  EXPECT_FALSE(MakeFolder(At(L"Usmt")));  // exists, whatever the case
}

TEST_F(FileContract, LargeFilesKeepTheirLength) {
  const std::int64_t offset = 5LL << 30;  // beyond 32 bits
  {
    File file;
    ASSERT_TRUE(file.Open(At(L"USMT.MIG"), OpenMode::CreateAlways));
    ASSERT_EQ(file.Seek(offset, SeekFrom::Begin), offset);
    ASSERT_TRUE(file.Write("Z", 1));
    EXPECT_EQ(file.Size(), offset + 1);
  }
  EXPECT_EQ(FileLength(At(L"USMT.MIG")), offset + 1);
  const std::vector<DirEntry> entries = List(L"");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].length, static_cast<std::uint64_t>(offset + 1));
  File file;
  ASSERT_TRUE(file.Open(At(L"USMT.MIG"), OpenMode::Read));
  EXPECT_EQ(file.Seek(-1, SeekFrom::End), offset);
  EXPECT_EQ(ReadSome(file, 4), "Z");
}

TEST_F(FileContract, CopiesWithAndWithoutReplacing) {
  struct Row { const char* name; bool targetExists; bool failIfExists; bool copies; const char* target; };
  const Row rows[] = {
      {"new target, fail if exists", false, true, true, "source"},
      {"new target, replace", false, false, true, "source"},
      {"existing target, fail if exists", true, true, false, "old"},
      {"existing target, replace", true, false, true, "source"},
  };
  Put(L"source.txt", "source");
  int index = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::wstring target = L"target" + std::to_wstring(index++) + L".txt";
    if (row.targetExists) Put(target, "old");
    EXPECT_EQ(CopyOneFile(At(L"SOURCE.txt"), At(target), row.failIfExists), row.copies);
    EXPECT_EQ(Contents(target), row.target);
  }
  EXPECT_EQ(Contents(L"source.txt"), "source");
  EXPECT_FALSE(CopyOneFile(At(L"missing.txt"), At(L"x.txt"), false));
  EXPECT_FALSE(PathExists(At(L"x.txt")));
  EXPECT_FALSE(CopyOneFile(At(L"source.txt"), At(L"no folder\\x.txt"), false));
}

TEST_F(FileContract, CopyingAFileOntoItselfLeavesItWhole) {
  Put(L"Applist.ini", "[Applist]");
  EXPECT_FALSE(CopyOneFile(At(L"Applist.ini"), At(L"Applist.ini"), false));
  EXPECT_FALSE(CopyOneFile(At(L"Applist.ini"), At(L"APPLIST.INI"), false));
  EXPECT_EQ(Contents(L"Applist.ini"), "[Applist]");
}

TEST_F(FileContract, ReadOnlyFilesRefuseWritingAndRemoval) {
  Put(L"locked.txt", "keep");
  ASSERT_TRUE(SetPathAttributes(At(L"locked.txt"), kAttrReadOnly));
  EXPECT_TRUE(FileAttributes(At(L"locked.txt")) & kAttrReadOnly);
  File file;
  EXPECT_FALSE(file.Open(At(L"locked.txt"), OpenMode::ReadWrite));
  EXPECT_FALSE(file.Open(At(L"locked.txt"), OpenMode::CreateAlways));
  EXPECT_FALSE(file.Open(At(L"locked.txt"), OpenMode::Append));
  EXPECT_FALSE(RemoveFile(At(L"locked.txt")));
  Put(L"other.txt", "other");
  EXPECT_FALSE(CopyOneFile(At(L"other.txt"), At(L"locked.txt"), false));
  EXPECT_EQ(Contents(L"locked.txt"), "keep");

  // A copy keeps the attribute, as the Windows copy does.
  ASSERT_TRUE(CopyOneFile(At(L"locked.txt"), At(L"copy.txt"), true));
  EXPECT_TRUE(FileAttributes(At(L"copy.txt")) & kAttrReadOnly);

  ASSERT_TRUE(SetPathAttributes(At(L"locked.txt"), 0));
  EXPECT_FALSE(FileAttributes(At(L"locked.txt")) & kAttrReadOnly);
  EXPECT_TRUE(RemoveFile(At(L"locked.txt")));
}

TEST_F(FileContract, MovesAndRenames) {
  Put(L"a.txt", "a");
  Put(L"b.txt", "b");
  EXPECT_FALSE(MoveOneFile(At(L"a.txt"), At(L"B.TXT")));  // an existing target stays
  EXPECT_EQ(Contents(L"b.txt"), "b");
  ASSERT_TRUE(MoveOneFile(At(L"a.txt"), At(L"c.txt")));
  EXPECT_FALSE(PathExists(At(L"a.txt")));
  ASSERT_TRUE(MoveOneFile(At(L"c.txt"), At(L"C.TXT")));  // a new case of the same name
  ASSERT_TRUE(MakeFolder(At(L"Store")));
  ASSERT_TRUE(MoveOneFile(At(L"Store"), At(L"Store2")));
  std::vector<DirEntry> entries = List(L"");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, L"C.TXT");
  EXPECT_EQ(entries[1].name, L"Store2");
  ASSERT_TRUE(MoveOneFile(At(L"C.TXT"), At(L"store2\\moved.txt")));
  EXPECT_EQ(Contents(L"Store2\\moved.txt"), "a");
  EXPECT_FALSE(MoveOneFile(At(L"missing"), At(L"x")));
}

TEST_F(FileContract, RemovesFilesAndFolders) {
  Put(L"gone.txt", "x");
  EXPECT_TRUE(RemoveFile(At(L"GONE.txt")));
  EXPECT_FALSE(PathExists(At(L"gone.txt")));
  EXPECT_FALSE(RemoveFile(At(L"gone.txt")));

  ASSERT_TRUE(MakeFolderPath(At(L"tree\\a\\b")));
  Put(L"tree\\a\\b\\deep.txt", "x");
  Put(L"tree\\top.txt", "x");
  ASSERT_TRUE(SetPathAttributes(At(L"tree\\a\\b\\deep.txt"), kAttrReadOnly));
  EXPECT_FALSE(RemoveFile(At(L"tree")));        // a folder is no file
  EXPECT_FALSE(RemoveFolder(At(L"tree")));      // not empty
  EXPECT_FALSE(RemoveFolder(At(L"tree\\top.txt")));  // a file is no folder
  EXPECT_TRUE(RemoveFolderTree(At(L"Tree")));
  EXPECT_FALSE(PathExists(At(L"tree")));
  EXPECT_FALSE(RemoveFolderTree(At(L"tree")));

  ASSERT_TRUE(MakeFolder(At(L"empty")));
  EXPECT_TRUE(RemoveFolder(At(L"empty")));
  EXPECT_FALSE(IsFolder(At(L"empty")));
}

TEST_F(FileContract, MakesFolders) {
  EXPECT_TRUE(MakeFolder(At(L"TVX")));
  EXPECT_TRUE(IsFolder(At(L"TVX")));
  EXPECT_FALSE(MakeFolder(At(L"TVX")));             // existing is a failure
  EXPECT_FALSE(MakeFolder(At(L"missing\\child")));  // the parent must exist
  EXPECT_FALSE(PathExists(At(L"missing")));

  EXPECT_TRUE(MakeFolderPath(At(L"TVX\\USMT\\deep\\er\\")));
  EXPECT_TRUE(IsFolder(At(L"tvx\\usmt\\deep\\er")));
  EXPECT_TRUE(MakeFolderPath(At(L"TVX\\USMT")));  // existing is fine here
  EXPECT_TRUE(MakeFolderPath(sandbox_.Path()));
  Put(L"file", "x");
  EXPECT_FALSE(MakeFolderPath(At(L"file")));
  EXPECT_FALSE(MakeFolderPath(At(L"file\\below")));
}

TEST_F(FileContract, ListsNamesAttributesAndLengths) {
  Put(L"PCInfo.txt", "123");
  Put(L".hidden", "");
  ASSERT_TRUE(SetPathAttributes(At(L".hidden"), kAttrHidden));  // Linux: the name says it
  ASSERT_TRUE(MakeFolder(At(L"Lang")));
  Put(L"Lang\\English.ini", "x");

  const std::vector<DirEntry> entries = List(L"");
  ASSERT_EQ(entries.size(), 3u);
  struct Row { const wchar_t* name; std::uint32_t set; std::uint32_t clear; std::uint64_t length; };
  const Row rows[] = {
      {L".hidden", kAttrHidden, kAttrDirectory, 0},
      {L"Lang", kAttrDirectory, kAttrHidden | kAttrReadOnly, 0},
      {L"PCInfo.txt", kAttrArchive, kAttrDirectory | kAttrHidden | kAttrReadOnly, 3},
  };
  const std::int64_t year2020 = 132223104000000000LL;  // 2020-01-01 in 100 ns units since 1601
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Row& row = rows[i];
    SCOPED_TRACE(ToUtf8(row.name));
    EXPECT_EQ(entries[i].name, row.name);
    EXPECT_EQ(entries[i].attributes & row.set, row.set);
    EXPECT_EQ(entries[i].attributes & row.clear, 0u);
    EXPECT_EQ(entries[i].length, row.length);
    EXPECT_GT(entries[i].lastWrite, year2020);
    EXPECT_EQ(FileAttributes(At(row.name)), entries[i].attributes);
  }
  EXPECT_EQ(List(L"lang").size(), 1u);

  std::vector<DirEntry> none;
  ASSERT_TRUE(MakeFolder(At(L"empty")));
  EXPECT_TRUE(ListFolder(At(L"empty"), none));
  EXPECT_TRUE(none.empty());
}

TEST_F(FileContract, AReaderSeesWhatAnotherHandleKeepsWriting) {
  File writer, reader;
  ASSERT_TRUE(writer.Open(At(L"progress.txt"), OpenMode::CreateAlways));
  ASSERT_TRUE(writer.Write("abc", 3));
  ASSERT_TRUE(reader.Open(At(L"PROGRESS.TXT"), OpenMode::Read));
  EXPECT_EQ(ReadSome(reader, 10), "abc");
  EXPECT_EQ(ReadSome(reader, 10), "");
  ASSERT_TRUE(writer.Write("def", 3));
  EXPECT_EQ(ReadSome(reader, 10), "def");
  EXPECT_EQ(reader.Size(), 6);

  // Full sharing also lets the file be removed while both are open.
  File third;
  EXPECT_TRUE(third.Open(At(L"progress.txt"), OpenMode::ReadWrite));
  EXPECT_TRUE(RemoveFile(At(L"progress.txt")));
  writer.Close();
  reader.Close();
  third.Close();
  EXPECT_FALSE(PathExists(At(L"progress.txt")));
}

TEST_F(FileContract, MissingPathsFailQuietly) {
  const std::wstring missing = At(L"nothing\\here.txt");
  File file;
  std::string bytes = "stale";
  std::vector<DirEntry> entries(1);
  EXPECT_FALSE(file.Open(missing, OpenMode::Read));
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.Read(bytes.data(), 1), -1);
  EXPECT_FALSE(file.Write("x", 1));
  EXPECT_EQ(file.Seek(0, SeekFrom::Begin), -1);
  EXPECT_EQ(file.Size(), -1);
  EXPECT_FALSE(file.Open(missing, OpenMode::CreateAlways));  // its folder is missing
  EXPECT_FALSE(PathExists(missing));
  EXPECT_FALSE(IsFolder(missing));
  EXPECT_EQ(FileLength(missing), -1);
  EXPECT_EQ(FileAttributes(missing), kNoAttributes);
  EXPECT_FALSE(RemoveFile(missing));
  EXPECT_FALSE(RemoveFolder(missing));
  EXPECT_FALSE(ReadWholeFile(missing, bytes));
  EXPECT_EQ(bytes, "");
  EXPECT_FALSE(ListFolder(missing, entries));
  EXPECT_TRUE(entries.empty());
  EXPECT_FALSE(ChangeCurrentFolder(missing));

  ASSERT_TRUE(MakeFolder(At(L"folder")));
  EXPECT_FALSE(file.Open(At(L"folder"), OpenMode::Read));  // a folder is not a file
  EXPECT_EQ(FileLength(At(L"folder")), -1);
}

TEST_F(FileContract, ReportsFreeSpaceOfTheDriveEvenBelowMissingFolders) {
  const std::int64_t free = FreeSpace(sandbox_.Path());
  EXPECT_GT(free, 0);
  EXPECT_GE(DriveCapacity(sandbox_.Path()), free);
  EXPECT_GT(FreeSpace(At(L"TVX\\USMT\\USMT.MIG")), 0);
  EXPECT_TRUE(EqualsNoCase(NearestExistingFolder(At(L"TVX\\USMT\\USMT.MIG")),
                           NearestExistingFolder(sandbox_.Path())));
}

TEST_F(FileContract, ChangesTheCurrentFolder) {
  const std::wstring saved = CurrentFolder();
  ASSERT_FALSE(saved.empty());
  ASSERT_TRUE(MakeFolder(At(L"Work")));
  ASSERT_TRUE(ChangeCurrentFolder(At(L"work")));
  const std::wstring now = CurrentFolder();
  EXPECT_TRUE(EqualsNoCase(now, At(L"Work"))) << ToUtf8(now);
  // Relative paths start there.
  EXPECT_TRUE(WriteWholeFile(L"relative.txt", "r"));
  EXPECT_TRUE(ChangeCurrentFolder(saved));
  EXPECT_EQ(Contents(L"Work\\relative.txt"), "r");
  EXPECT_TRUE(EqualsNoCase(CurrentFolder(), saved));
}

}  // namespace
}  // namespace tvx
