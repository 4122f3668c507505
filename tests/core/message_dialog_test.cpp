#include "core/message_dialog.h"

#include <gtest/gtest.h>

#include "fakes/fake_ini_file.h"
#include "fakes/scripted_message_view.h"

namespace tvx {
namespace {

using View = ScriptedMessageView;

class MessageDialog : public testing::Test {
 protected:
  void SetUp() override { UseLanguage(1033); }
  void UseLanguage(std::uint16_t id) {
    language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", id);
    ini_.Put(language_.IniPath(),
             L"[COMMON]\r\nOK=OK\r\nYES=Yes\r\nNO=No\r\nCANCEL=Cancel\r\nCREATE=Create\r\n"
             L"[MAIN]\r\nBATTERY=Don't ask again\r\n[ACCOUNT]\r\nNEWACCOUNTTITLE=Name:\r\n"
             L"[MESSAGE]\r\nEXIT=Exit Tralvex\r\nEXITDESC=Close the program?\r\n");
  }
  CMessageDlg Dialog(std::int32_t kind, std::wstring initialName = {}) {
    return CMessageDlg(language_, view_, L"Title", L"Text", kind, std::move(initialName));
  }

  FakeIniFile ini_;
  LanguageTable language_{ini_};
  View view_;
};

TEST_F(MessageDialog, EachKindHasItsButtonsAndAnswers) {
  struct Row {
    std::int32_t kind;
    const wchar_t* left;  // empty: hidden
    const wchar_t* right;
    int rightResult;
  };
  const Row rows[] = {
      {kMessageOk, L"", L"OK", 6},          {kMessageYesNo, L"Yes", L"No", 7},
      {kMessageOkWithBox, L"", L"OK", 6},   {kMessageWait, L"", L"Cancel", 7},
      {kMessageNewAccount, L"Create", L"Cancel", 7},
      {0, L"Yes", L"No", 7},  // any other kind asks yes or no
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "kind " << row.kind);
    view_.script = {View::Right()};
    EXPECT_EQ(Dialog(row.kind).DoModal(), row.rightResult);
    const MessageFace& face = view_.faces.back();
    EXPECT_EQ(face.leftShown, *row.left != L'\0');
    EXPECT_EQ(face.leftCaption, row.left);
    EXPECT_EQ(face.rightCaption, row.right);
    EXPECT_EQ(face.checkBoxShown, row.kind == kMessageOkWithBox);
    EXPECT_EQ(face.animationShown, row.kind == kMessageWait);
    EXPECT_EQ(face.nameShown, row.kind == kMessageNewAccount);

    view_.script = {View::Left()};
    EXPECT_EQ(Dialog(row.kind).DoModal(), kMessageYes);
  }
}

TEST_F(MessageDialog, CheckBoxStateIsHandedOutWithTheAnswer) {
  for (const bool checked : {false, true}) {
    CMessageDlg dialog = Dialog(kMessageOkWithBox);
    view_.script = {View::Right(checked)};
    EXPECT_EQ(dialog.DoModal(), kMessageYes);
    EXPECT_EQ(dialog.BoxState(), checked ? 1 : 0);
  }
  EXPECT_EQ(view_.faces.back().checkBoxCaption, L"Don't ask again");
}

TEST_F(MessageDialog, NewAccountNameHasAtMostTwentyCharacters) {
  struct Row { std::uint16_t language; const wchar_t* refusal; };
  const Row rows[] = {{1033, L"The specified username is long."},
                      {1042, L"사용자 계정의 이름은 길이는 20자를 넘을 수 없습니다."}};
  const std::wstring twenty(20, L'가');
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "language " << row.language);
    UseLanguage(row.language);
    view_.notices.clear();
    CMessageDlg dialog = Dialog(kMessageNewAccount, L"alice");
    view_.script = {View::Left(twenty + L"x"), View::Left(twenty)};
    EXPECT_EQ(dialog.DoModal(), kMessageYes);
    EXPECT_EQ(dialog.ResultName(), twenty);
    EXPECT_EQ(view_.notices, std::vector<std::wstring>{row.refusal})
        << "21 characters are refused and the dialog stays open";
    EXPECT_EQ(view_.faces.back().initialName, L"alice");
    EXPECT_EQ(view_.faces.back().symbolImage, kMessageNewAccountSymbolImage);
  }
  CMessageDlg cancelled = Dialog(kMessageNewAccount, L"alice");
  view_.script = {View::Right()};
  EXPECT_EQ(cancelled.DoModal(), kMessageNo);
  EXPECT_EQ(cancelled.ResultName(), L"");
  EXPECT_EQ(NameLength(L"\U0001F600"), 2u) << "counted in UTF-16 units, as the edit field does";
}

TEST_F(MessageDialog, OwnerEndsAWaitWithOneEvenBeforeItShows) {
  CMessageDlg waiting = Dialog(kMessageWait);
  view_.script = {View::OwnerClose(), View::Right()};
  EXPECT_EQ(waiting.DoModal(), kMessageClosedByOwner);
  EXPECT_EQ(view_.endModalCalls, 1);
  EXPECT_EQ(view_.script.size(), 1u) << "the modal loop ended at the owner's close";

  CMessageDlg early = Dialog(kMessageWait);
  early.CloseByOwner();
  EXPECT_EQ(early.DoModal(), kMessageClosedByOwner);
  EXPECT_EQ(view_.faces.size(), 1u) << "never shown";
}

TEST_F(MessageDialog, WindowClosedWithoutAnAnswerCountsAsTheRightButton) {
  const std::pair<std::int32_t, int> rows[] = {
      {kMessageOk, 6}, {kMessageOkWithBox, 6}, {kMessageYesNo, 7}, {kMessageWait, 7}};
  for (const auto& [kind, result] : rows) {
    SCOPED_TRACE(testing::Message() << "kind " << kind);
    view_.script.clear();
    EXPECT_EQ(Dialog(kind).DoModal(), result);
  }
}

TEST_F(MessageDialog, LayoutFollowsKindAndLanguage) {
  struct Row { std::uint16_t language; std::int32_t kind; MessageRect title, text, strip; };
  const Row rows[] = {
      {1033, kMessageOk, {102, 61, 350, 60}, {102, 100, 350, 80}, {}},
      {1036, kMessageYesNo, {102, 61, 350, 60}, {102, 130, 350, 50}, {}},
      {1033, kMessageNewAccount, {102, 61, 350, 60}, {102, 100, 350, 30}, {}},
      {1032, kMessageWait, {34, 61, 400, 40}, {34, 95, 400, 70}, {34, 149, 399, 6}},
      {1026, kMessageWait, {34, 61, 400, 40}, {34, 95, 400, 90}, {34, 152, 399, 6}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "language " << row.language << " kind " << row.kind);
    UseLanguage(row.language);
    const MessageFace face = MessageFaceFor(row.kind, L"t", L"d", L"", language_);
    EXPECT_EQ(face.titleRect, row.title);
    EXPECT_EQ(face.textRect, row.text);
    EXPECT_EQ(face.stripRect, row.strip);
  }
}

TEST_F(MessageDialog, ShowMessageLooksBothKeysUpInMessage) {
  view_.script = {View::Left()};
  EXPECT_EQ(ShowMessage(language_, view_, L"EXIT", L"EXITDESC", kMessageYesNo), kMessageYes);
  EXPECT_EQ(view_.faces.back().title, L"Exit Tralvex");
  EXPECT_EQ(view_.faces.back().text, L"Close the program?");

  // No text key, and a key the file lacks: empty texts, and the dialog still answers.
  view_.script = {View::Right()};
  EXPECT_EQ(ShowMessage(language_, view_, L"RESUME", L"", kMessageYesNo), kMessageNo);
  EXPECT_EQ(view_.faces.back().title, L"");
  EXPECT_EQ(view_.faces.back().text, L"");
}

}  // namespace
}  // namespace tvx
