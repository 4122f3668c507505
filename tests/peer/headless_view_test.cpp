#include "peer/headless_view.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/drive_map.h"
#include "base/ini_file.h"
#include "core/message_dialog.h"

namespace tvx {
namespace {

// The shipped language files of the build's program folder.
class HeadlessMessagesTest : public testing::Test {
 protected:
  void Prepare(std::uint16_t languageId) {
    const std::wstring program = DriveMap::ProgramPath(TVX_DIST_HOST_DIR);
    ASSERT_FALSE(program.empty());
    language_.Prepare(LanguageFolder(program), HelpFolder(program), languageId);
  }
  int Show(MessageKey title, MessageKey text, std::int32_t kind) {
    HeadlessMessages messages(options_, report_, *ini_, language_);
    const int result = ShowMessage(language_, messages, title, text, kind);
    shown_ = messages.Shown();
    return result;
  }

  std::unique_ptr<IniFile> ini_ = MakeIniFile();
  LanguageTable language_{*ini_};
  PeerOptions options_;
  PeerReport report_{L"test"};
  std::vector<std::wstring> shown_;
};

TEST_F(HeadlessMessagesTest, AnswersEachQuestionAsTheCommandLineSays) {
  Prepare(1033);
  struct Case {
    const char* why;
    MessageKey title;
    std::int32_t kind;
    std::map<std::wstring, bool> answers;
    int expected;
  };
  const Case cases[] = {
      {"resume asked for", L"RESUME", kMessageYesNo, {{L"RESUME", true}}, kMessageYes},
      {"resume refused", L"RESUME", kMessageYesNo, {{L"RESUME", false}}, kMessageNo},
      {"a question not on the command line", L"NEWSCAN", kMessageYesNo, {}, kMessageYes},
      {"never a restart unless asked", L"REBOOT", kMessageYesNo, {}, kMessageNo},
      {"a restart asked for", L"REBOOT", kMessageYesNo, {{L"REBOOT", true}}, kMessageYes},
      {"a notice is acknowledged", L"DISK", kMessageOk, {{L"DISK", false}}, kMessageYes},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    options_.answers = c.answers;
    EXPECT_EQ(Show(c.title, {}, c.kind), c.expected);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0], std::wstring(c.title.Key()));
  }
}

TEST_F(HeadlessMessagesTest, RecognisesTheQuestionInTheUsersLanguage) {
  Prepare(1042);
  options_.answers = {{L"RESUME", false}};
  EXPECT_EQ(Show(L"RESUME", {}, kMessageYesNo), kMessageNo);
  EXPECT_EQ(shown_, std::vector<std::wstring>{L"RESUME"});
}

TEST_F(HeadlessMessagesTest, TicksTheBatteryBoxAndNamesANewAccount) {
  Prepare(1033);
  options_.batteryBox = true;
  HeadlessMessages messages(options_, report_, *ini_, language_);
  CMessageDlg battery(language_, messages, language_.MessageText(L"BATTERY"), L"", kMessageOkWithBox);
  EXPECT_EQ(battery.DoModal(), kMessageYes);
  EXPECT_EQ(battery.BoxState(), 1);

  CMessageDlg create(language_, messages, language_.MessageText(L"CREATE"), L"", kMessageNewAccount);
  messages.SetNewAccountName(L"robert");
  EXPECT_EQ(create.DoModal(), kMessageYes);
  EXPECT_EQ(create.ResultName(), L"robert");
  CMessageDlg again(language_, messages, language_.MessageText(L"CREATE"), L"", kMessageNewAccount);
  EXPECT_EQ(again.DoModal(), kMessageNo) << "the name is used once";
}

}  // namespace
}  // namespace tvx
