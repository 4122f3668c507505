#include "engine/program_folder_files.h"

#include <gtest/gtest.h>

#include <string>

#include "base/file.h"
#include "base/path.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

// The answers are true exactly when the thing asked about is there: a run
// that left no progress file or no success line never counts as done.
TEST(ProgramFolderFiles, AnswersTrueOnlyForWhatIsThere) {
  const struct Row {
    const char* label;
    const char* progress;  // nullptr: no progress file
    bool succeeded;
  } rows[] = {
      {"no progress file", nullptr, false},
      {"a failed run", "07 Dec 2026, errorCode, 5\r\n", false},
      {"a run without a result", "07 Dec 2026, totalPercentageCompleted, 50\r\n", false},
      {"a successful run", "07 Dec 2026, errorCode, 0\r\n", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    ScratchFolder scratch;
    const ProgramFolderFiles files(scratch.Path());
    if (row.progress) {
      ASSERT_TRUE(WriteWholeFile(files.Path(kScanProgressName), row.progress));
      ASSERT_TRUE(WriteWholeFile(files.Path(kLoadProgressName), row.progress));
    }
    EXPECT_EQ(files.ScanSucceeded(), row.succeeded);
    EXPECT_EQ(files.LoadSucceeded(), row.succeeded);
  }
}

TEST(ProgramFolderFiles, StoreIsThereUntilDeleted) {
  ScratchFolder scratch;
  const ProgramFolderFiles files(scratch.Path());
  EXPECT_FALSE(files.StoreExists());
  EXPECT_EQ(files.StoreSize(), -1);

  ASSERT_TRUE(MakeFolderPath(ParentFolder(files.Path(kStoreName))));
  ASSERT_TRUE(WriteWholeFile(files.Path(kStoreName), "store"));
  EXPECT_TRUE(files.StoreExists());
  EXPECT_EQ(files.StoreSize(), 5);

  files.DeleteStore();
  EXPECT_FALSE(files.StoreExists());
}

}  // namespace
}  // namespace tvx
