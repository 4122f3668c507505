#include "net/file_ops.h"

#include <gtest/gtest.h>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "fakes/sandbox_root.h"
#include "platform/system_error.h"

namespace tvx {
namespace {

class FileOpsTest : public testing::Test {
 protected:
  std::wstring At(const std::wstring& name) const { return sandbox_.Join(name); }

  void Put(const std::wstring& name, const std::string& bytes) const {
    ASSERT_TRUE(MakeFolderPath(ParentFolder(At(name))));
    ASSERT_TRUE(WriteWholeFile(At(name), bytes)) << ToUtf8(name);
  }
  std::string Contents(const std::wstring& name) const {
    std::string bytes;
    return ReadWholeFile(At(name), bytes) ? bytes : "<missing>";
  }
  bool Folder(const std::wstring& name) const { return IsFolder(At(name)); }

  // src\a.txt, src\one\b.txt, src\one\two\c.txt, src\side\d.txt
  void MakeSource() const {
    Put(L"src\\a.txt", "a");
    Put(L"src\\one\\b.txt", "b");
    Put(L"src\\one\\two\\c.txt", "c");
    Put(L"src\\side\\d.txt", "d");
  }

  int Copy(const std::wstring& source, const std::wstring& destination) {
    return ops_.Copy(At(source), At(destination));
  }

  SandboxRoot sandbox_;
  CFileOps ops_;

  void SetUp() override { ops_.SetOverwrite(true); }
};

TEST_F(FileOpsTest, CopiesAFolderTreeUnderItsOwnName) {
  MakeSource();
  ASSERT_TRUE(MakeFolder(At(L"dest")));
  EXPECT_EQ(Copy(L"src", L"dest"), 1);
  EXPECT_EQ(Contents(L"dest\\src\\a.txt"), "a");
  EXPECT_EQ(Contents(L"dest\\src\\one\\b.txt"), "b");
  EXPECT_EQ(Contents(L"dest\\src\\one\\two\\c.txt"), "c");
  EXPECT_EQ(Contents(L"dest\\src\\side\\d.txt"), "d");
  EXPECT_EQ(ops_.ErrorText(), L"No error");
  EXPECT_EQ(ops_.ErrorCode(), 0u);

  // Trailing separators on either side change nothing.
  EXPECT_EQ(ops_.Copy(At(L"src") + L"\\", At(L"dest") + L"\\"), 1);
  EXPECT_FALSE(Folder(L"dest\\src\\src"));
}

TEST_F(FileOpsTest, ANameThatOnlyStartsLikeTheSourceIsNotInsideIt) {
  MakeSource();
  ASSERT_TRUE(MakeFolder(At(L"src2")));
  EXPECT_EQ(Copy(L"src", L"src2"), 1);
  EXPECT_EQ(Contents(L"src2\\src\\one\\two\\c.txt"), "c");
}

TEST_F(FileOpsTest, CopyIntoItsOwnSubFolderStopsAtItsDepth) {
  struct Row {
    const char* name;
    std::wstring destination;
    std::vector<std::wstring> copied;
    std::vector<std::wstring> notCopied;
  };
  const Row rows[] = {
      {"one level down",
       L"src\\side",
       {L"src\\side\\src\\a.txt", L"src\\side\\src\\one\\b.txt", L"src\\side\\src\\side\\d.txt"},
       {L"src\\side\\src\\one\\two", L"src\\side\\src\\side\\src"}},
      {"two levels down",
       L"src\\one\\two",
       {L"src\\one\\two\\src\\one\\two\\c.txt", L"src\\one\\two\\src\\side\\d.txt"},
       {L"src\\one\\two\\src\\one\\two\\src"}},
      {"the folder itself", L"src", {L"src\\src\\a.txt"}, {L"src\\src\\one", L"src\\src\\src"}},
      {"another spelling of it", L"SRC\\Side", {L"src\\side\\src\\one\\b.txt"}, {L"src\\side\\src\\side\\src"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(RemoveFolderTree(At(L"src")) || !Folder(L"src"));
    MakeSource();
    EXPECT_EQ(Copy(L"src", row.destination), 1) << ToUtf8(ops_.ErrorText());
    for (const auto& name : row.copied) EXPECT_TRUE(PathExists(At(name))) << ToUtf8(name);
    for (const auto& name : row.notCopied) EXPECT_FALSE(PathExists(At(name))) << ToUtf8(name);
  }
}

TEST_F(FileOpsTest, CopyToItsOwnParentDoesNothing) {
  MakeSource();
  for (const std::wstring& parent : {At(L"src"), At(L"src") + L"\\", At(L"SRC")}) {
    SCOPED_TRACE(ToUtf8(parent));
    EXPECT_EQ(ops_.Copy(At(L"src\\one"), parent), 1);
    EXPECT_FALSE(Folder(L"src\\one\\one"));
  }
  EXPECT_EQ(ops_.Copy(At(L"src"), sandbox_.Path()), 1);
  EXPECT_EQ(Contents(L"src\\a.txt"), "a");
  EXPECT_FALSE(Folder(L"src\\src"));
}

TEST_F(FileOpsTest, ReusesFoldersAndReplacesFiles) {
  MakeSource();
  Put(L"dest\\src\\a.txt", "old a");
  Put(L"dest\\src\\one\\keep.txt", "kept");
  EXPECT_EQ(Copy(L"src", L"dest"), 1);
  EXPECT_EQ(Contents(L"dest\\src\\a.txt"), "a");
  EXPECT_EQ(Contents(L"dest\\src\\one\\b.txt"), "b");
  EXPECT_EQ(Contents(L"dest\\src\\one\\keep.txt"), "kept");
}

TEST_F(FileOpsTest, CopiesSingleFiles) {
  Put(L"f.txt", "new");
  Put(L"g.txt", "old");
  ASSERT_TRUE(MakeFolder(At(L"dest")));
  EXPECT_EQ(Copy(L"f.txt", L"g.txt"), 1);
  EXPECT_EQ(Contents(L"g.txt"), "new");
  EXPECT_EQ(Copy(L"f.txt", L"dest"), 1);
  EXPECT_EQ(Contents(L"dest\\f.txt"), "new");
}

TEST_F(FileOpsTest, ReportsWhatStoppedTheCopy) {
  MakeSource();
  Put(L"file.txt", "x");
  struct Row {
    const char* name;
    std::wstring source;
    std::wstring destination;
    std::wstring text;
  };
  const Row rows[] = {
      {"missing source", At(L"gone"), At(L"src"), At(L"gone") + L" not found"},
      {"missing destination", At(L"src"), At(L"nowhere"), At(L"nowhere") + L" not found"},
      {"missing both", At(L"gone"), At(L"nowhere"), At(L"gone") + L" not found"},
      {"folder onto a file", At(L"src"), At(L"file.txt"), L"Wrong operation"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CFileOps ops;
    EXPECT_EQ(ops.Copy(row.source, row.destination), 0);
    EXPECT_EQ(ops.ErrorText(), row.text);
    EXPECT_EQ(ops.ErrorCode(), 0u);
  }
}

TEST_F(FileOpsTest, SystemFailuresCarryTheSystemsMessage) {
  Put(L"f.txt", "new");
  Put(L"dest\\f.txt", "locked");
  ASSERT_TRUE(SetPathAttributes(At(L"dest\\f.txt"), kAttrReadOnly));
  EXPECT_EQ(Copy(L"f.txt", L"dest"), 0);
  EXPECT_EQ(ops_.ErrorCode(), kErrorAccessDenied);
  EXPECT_EQ(ops_.ErrorText(), SystemErrorText(kErrorAccessDenied));
  EXPECT_FALSE(ops_.ErrorText().empty());
  EXPECT_EQ(Contents(L"dest\\f.txt"), "locked");
  ASSERT_TRUE(SetPathAttributes(At(L"dest\\f.txt"), 0));

  // Without overwrite an existing file stops the copy; what came before stays.
  MakeSource();
  Put(L"dest\\src\\one\\b.txt", "old b");
  CFileOps careful;
  EXPECT_EQ(careful.Copy(At(L"src"), At(L"dest")), 0);
  EXPECT_NE(careful.ErrorCode(), 0u);
  EXPECT_EQ(careful.ErrorText(), SystemErrorText(careful.ErrorCode()));
  EXPECT_EQ(Contents(L"dest\\src\\one\\b.txt"), "old b");
}

TEST_F(FileOpsTest, AFileWhereTheFolderGoesIsAnError) {
  MakeSource();
  Put(L"dest\\src", "not a folder");
  EXPECT_EQ(Copy(L"src", L"dest"), 0);
  EXPECT_NE(ops_.ErrorCode(), 0u);
  EXPECT_EQ(ops_.ErrorText(), SystemErrorText(ops_.ErrorCode()));
}

}  // namespace
}  // namespace tvx
