#include "app/message_dialog.h"

#include <gtest/gtest.h>

#include "fakes/fake_ini_file.h"
#include "fakes/scripted_message_view.h"

namespace tvx {
namespace {

using Press = ScriptedMessageView::Press;

constexpr wchar_t kLanguageFile[] =
    L"[COMMON]\r\nOK=OK\r\nYES=Yes\r\nNO=No\r\nCANCEL=Cancel\r\nCREATE=Create\r\n"
    L"[MAIN]\r\nBATTERY=Don't ask again\r\n"
    L"[ACCOUNT]\r\nNEWACCOUNTTITLE=Account name:\r\n"
    L"[MESSAGE]\r\nEXIT=Exit Tralvex\r\nEXITDESC=Close the program?\r\n"
    L"NETCONNECT=Connecting\r\nNTCONFIGTCPWAIT=Please wait.\r\nCREATE=New account\r\n";

class MessageDialog : public testing::Test {
 protected:
  void UseLanguage(std::uint16_t id) {
    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", id);
    ini_.Put(language_.IniPath(), kLanguageFile);
  }
  void SetUp() override { UseLanguage(1033); }

  CMessageDlg Dialog(std::int32_t kind, std::wstring initialName = {}) {
    return CMessageDlg(language_, view_, L"Title", L"Text", kind, std::move(initialName));
  }

  FakeIniFile ini_;
  LanguageTable language_{ini_};
  ScriptedMessageView view_;
};

TEST_F(MessageDialog, EachKindHasItsButtonsAndAnswers) {
  struct Row {
    std::int32_t kind;
    bool leftShown;
    const wchar_t* left;
    const wchar_t* right;
    int leftResult;
    int rightResult;
  };
  const Row rows[] = {
      {kMessageOk, false, L"", L"OK", 6, 6},
      {kMessageYesNo, true, L"Yes", L"No", 6, 7},
      {kMessageOkWithBox, false, L"", L"OK", 6, 6},
      {kMessageWait, false, L"", L"Cancel", 6, 7},
      {kMessageNewAccount, true, L"Create", L"Cancel", 6, 7},
      {0, true, L"Yes", L"No", 6, 7},  // any other kind asks yes or no
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "kind " << row.kind);
    view_.script = {Press(ScriptedMessageView::Right())};
    EXPECT_EQ(Dialog(row.kind).DoModal(), row.rightResult);
    const MessageFace& face = view_.faces.back();
    EXPECT_EQ(face.leftShown, row.leftShown);
    EXPECT_EQ(face.leftCaption, row.left);
    EXPECT_EQ(face.rightCaption, row.right);
    EXPECT_EQ(face.checkBoxShown, row.kind == kMessageOkWithBox);
    EXPECT_EQ(face.animationShown, row.kind == kMessageWait);
    EXPECT_EQ(face.nameShown, row.kind == kMessageNewAccount);

    view_.script = {ScriptedMessageView::Left()};
    EXPECT_EQ(Dialog(row.kind).DoModal(), row.leftResult);
  }
}

TEST_F(MessageDialog, CheckBoxStateIsKeptOnlyWhenTheDialogEnds) {
  for (const bool checked : {false, true}) {
    SCOPED_TRACE(checked);
    CMessageDlg dialog = Dialog(kMessageOkWithBox);
    view_.script = {ScriptedMessageView::Right(checked)};
    EXPECT_EQ(dialog.DoModal(), kMessageYes);
    EXPECT_EQ(dialog.BoxState(), checked ? 1 : 0);
    EXPECT_EQ(view_.faces.back().checkBoxCaption, L"Don't ask again");
  }
}

TEST_F(MessageDialog, NewAccountNameHasAtMostTwentyCharacters) {
  CMessageDlg dialog = Dialog(kMessageNewAccount, L"alice");
  const std::wstring twenty(20, L'n');
  view_.script = {ScriptedMessageView::Left(twenty + L"x"), ScriptedMessageView::Left(twenty)};
  EXPECT_EQ(dialog.DoModal(), kMessageYes);
  EXPECT_EQ(dialog.ResultName(), twenty);
  ASSERT_EQ(view_.notices.size(), 1u) << "21 characters are refused once, the dialog stays open";
  EXPECT_EQ(view_.notices[0], L"The specified username is long.");
  EXPECT_EQ(view_.pressesHandled, 2);

  const MessageFace& face = view_.faces.back();
  EXPECT_EQ(face.initialName, L"alice");
  EXPECT_EQ(face.nameLabel, L"Account name:");
  EXPECT_EQ(face.symbolImage, kMessageNewAccountSymbolImage);
}

TEST_F(MessageDialog, RefusalOfALongNameSpeaksTheUsersLanguage) {
  UseLanguage(1042);
  CMessageDlg dialog = Dialog(kMessageNewAccount);
  view_.script = {ScriptedMessageView::Left(std::wstring(21, L'가')),
                  ScriptedMessageView::Right()};
  EXPECT_EQ(dialog.DoModal(), kMessageNo);
  EXPECT_EQ(dialog.ResultName(), L"") << "a cancelled dialog hands out no name";
  ASSERT_EQ(view_.notices.size(), 1u);
  EXPECT_EQ(view_.notices[0], L"사용자 계정의 이름은 길이는 20자를 넘을 수 없습니다.");
}

TEST_F(MessageDialog, NameLengthCountsAsTheEditFieldDoes) {
  EXPECT_EQ(NameLength(L"abc"), 3u);
  EXPECT_EQ(NameLength(L"가나다"), 3u);
  EXPECT_EQ(NameLength(L"\U0001F600"), 2u) << "a character beyond 16 bits takes two";
}

TEST_F(MessageDialog, OwnerClosesAWaitWithResultOne) {
  CMessageDlg dialog = Dialog(kMessageWait);
  view_.script = {ScriptedMessageView::OwnerClose(), ScriptedMessageView::Right()};
  EXPECT_EQ(dialog.DoModal(), kMessageClosedByOwner);
  EXPECT_EQ(view_.endModalCalls, 1);
  EXPECT_EQ(view_.pressesHandled, 1) << "the dialog left its loop at the owner's close";
}

TEST_F(MessageDialog, WaitClosedBeforeItShowsNeverOpens) {
  CMessageDlg dialog = Dialog(kMessageWait);
  dialog.CloseByOwner();
  EXPECT_EQ(dialog.DoModal(), kMessageClosedByOwner);
  EXPECT_TRUE(view_.faces.empty());
}

TEST_F(MessageDialog, WindowClosedWithoutAnAnswerCountsAsTheRightButton) {
  struct Row { std::int32_t kind; int result; };
  const Row rows[] = {{kMessageOk, 6}, {kMessageYesNo, 7}, {kMessageWait, 7},
                      {kMessageNewAccount, 7}, {kMessageOkWithBox, 6}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "kind " << row.kind);
    view_.script.clear();
    CMessageDlg dialog = Dialog(row.kind);
    EXPECT_EQ(dialog.DoModal(), row.result);
    EXPECT_EQ(dialog.BoxState(), 0);
  }
}

TEST_F(MessageDialog, LayoutFollowsKindAndLanguage) {
  struct Row {
    std::uint16_t language;
    std::int32_t kind;
    MessageRect title;
    MessageRect text;
    MessageRect strip;
  };
  const Row rows[] = {
      {1033, kMessageOk, {102, 61, 350, 60}, {102, 100, 350, 30}, {}},
      {1032, kMessageOk, {102, 61, 350, 60}, {102, 130, 350, 30}, {}},
      {1036, kMessageYesNo, {102, 61, 350, 60}, {102, 130, 350, 30}, {}},
      {1033, kMessageWait, {34, 61, 400, 40}, {34, 95, 400, 70}, {34, 149, 399, 6}},
      {1036, kMessageWait, {34, 61, 400, 40}, {34, 95, 400, 70}, {34, 149, 399, 6}},
      {1031, kMessageWait, {34, 61, 400, 40}, {34, 95, 400, 90}, {34, 152, 399, 6}},
      {1026, kMessageWait, {34, 61, 400, 40}, {34, 95, 400, 90}, {34, 152, 399, 6}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "language " << row.language << " kind " << row.kind);
    UseLanguage(row.language);
    const MessageFace face = MessageFaceFor(row.kind, L"t", L"d", L"", language_);
    EXPECT_EQ(face.titleRect, row.title);
    EXPECT_EQ(face.textRect, row.text);
    EXPECT_EQ(face.stripRect, row.strip);
    EXPECT_EQ(face.symbolImage, kMessageSymbolImage);
  }
}

TEST_F(MessageDialog, ShowMessageLooksBothKeysUpInMessage) {
  view_.script = {ScriptedMessageView::Left()};
  EXPECT_EQ(ShowMessage(language_, view_, L"EXIT", L"EXITDESC", kMessageYesNo), kMessageYes);
  EXPECT_EQ(view_.faces.back().title, L"Exit Tralvex");
  EXPECT_EQ(view_.faces.back().text, L"Close the program?");

  // No text key, and a key the file lacks: empty texts, and the dialog still answers.
  view_.script = {ScriptedMessageView::Right()};
  EXPECT_EQ(ShowMessage(language_, view_, L"RESUME", L"", kMessageYesNo), kMessageNo);
  EXPECT_EQ(view_.faces.back().title, L"");
  EXPECT_EQ(view_.faces.back().text, L"");
}

}  // namespace
}  // namespace tvx
