#include "pages/configuration/software_dialog.h"

#include <gtest/gtest.h>

#include "base/file.h"
#include "base/text.h"
#include "fakes/fake_environment.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

TEST(SoftwareDialog, FilterBecomesTheFileDialogsZeroSeparatedList) {
  using namespace std::string_literals;
  EXPECT_EQ(FileDialogFilter(kSoftwareSaveFilter),
            L"Application List Files (*.ini)\0*.ini\0All Files (*.*)\0*.*\0\0\0\0"s);
  // A filter written without the closing bars still ends the list.
  EXPECT_EQ(FileDialogFilter(L"Text|*.txt"), L"Text\0*.txt\0\0"s);
}

TEST(SoftwareDialog, RowsAreTheProgramNamesWithoutTheByteOrderMark) {
  const struct {
    const char* what;
    std::wstring text;
    std::vector<std::wstring> rows;
  } cases[] = {
      {"programs", L"Photo Editor\r\nSound Mixer\r\n", {L"Photo Editor", L"Sound Mixer"}},
      {"no programs", L"", {}},
  };
  ScratchFolder folder;
  FakeEnvironment environment;
  const SoftwareDialog dialog(folder.Path(), environment);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(WriteWholeFile(folder.Join(L"Applist.ini"), "\xFF\xFE" + ToUtf16Le(c.text)));
    EXPECT_EQ(dialog.Rows(), c.rows);
  }
  const SoftwareDialog missing(folder.Join(L"nowhere"), environment);
  EXPECT_TRUE(missing.Rows().empty());
}

}  // namespace
}  // namespace tvx
