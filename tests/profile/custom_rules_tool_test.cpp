// The shipped rule template, built for a selection, read by the stand-in
// state tool: it must capture exactly the selected files and folders.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "fakes/sandbox_root.h"
#include "profile/custom_rules.h"
#include "statetool/capture_list.h"
#include "statetool/xml_patterns.h"
#include "support/built_tools.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

// res\MigCustom.xml of the source tree.
std::wstring ShippedTemplate() { return SourceTreePath(L"res\\MigCustom.xml"); }

class ShippedRules : public testing::Test {
 protected:
  void SetUp() override {
    currentFolder_ = CurrentFolder();
    ASSERT_TRUE(MakeFolder(program_.Join(L"x86")));
    ASSERT_TRUE(CopyOneFile(ShippedTemplate(), place_.TemplatePath(), false))
        << ToUtf8(ShippedTemplate());
  }
  void TearDown() override { ChangeCurrentFolder(currentFolder_); }

  RuleFileScan BuildAndRead(const std::vector<std::wstring>& files,
                            const std::vector<std::wstring>& folders) {
    EXPECT_EQ(BuildCustomRules(files, folders, place_), CustomRulesResult::Built);
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(place_.WorkingPath(), bytes));
    return ExtractPatterns(bytes);
  }

  ScratchFolder program_;
  CustomRulesPlace place_{program_.Path(), 7};
  std::wstring currentFolder_;
};

TEST_F(ShippedRules, ToolCapturesExactlyTheSelection) {
  SandboxRoot pc;
  const std::vector<std::wstring> present = {
      L"Users\\anna\\Documents\\a.txt",
      L"Users\\anna\\Documents\\deep\\er\\b [1].txt",
      L"Users\\anna\\notes [old].txt",
      L"Users\\anna\\[old] stuff\\c.txt",
      L"Users\\anna\\R&D\\d.txt",
      L"Users\\anna\\notes.txt",
      L"Users\\anna\\notes [old].txt.bak",
      L"Users\\anna\\Documents2\\e.txt",
      L"Users\\anna\\Other\\f.txt",
      L"Users\\anna\\R&D\\g.txt",
  };
  for (const std::wstring& file : present) {
    ASSERT_TRUE(MakeFolderPath(ParentFolder(pc.Join(file))));
    ASSERT_TRUE(WriteWholeFile(pc.Join(file), ToUtf8(file)));
  }
  EXPECT_TRUE(BuildAndRead({}, {}).rules.empty()) << "the template names nothing itself";
  const RuleFileScan scan = BuildAndRead(
      {pc.Join(L"Users\\anna\\notes [old].txt"), pc.Join(L"Users\\anna\\R&D\\d.txt")},
      {pc.Join(L"Users\\anna\\Documents"), pc.Join(L"Users\\anna\\[old] stuff")});
  ASSERT_TRUE(scan.wellFormed);
  ASSERT_EQ(scan.rules.size(), 4u);
  EXPECT_EQ(scan.rules[0].text, pc.Join(L"Users\\anna\\ [notes ^[old^].txt]"));

  std::vector<std::wstring> captured;
  for (const CaptureItem& item : ResolveCaptureList(scan.rules, [](const std::wstring&) {
         return false;
       })) {
    captured.push_back(item.path);
  }
  std::vector<std::wstring> expected;
  for (std::size_t i = 0; i < 5; ++i) expected.push_back(pc.Join(present[i]));
  std::sort(captured.begin(), captured.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(captured, expected);
}

}  // namespace
}  // namespace tvx
