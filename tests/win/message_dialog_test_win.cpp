// The message dialog's window under Wine: every kind in English and Korean
// leaves a screenshot, and the presses that can go wrong are driven as a user
// makes them.
#include "controls/message_dialog_win.h"

#include <gtest/gtest.h>

#include "controls/button_look.h"
#include "core/message_dialog.h"
#include "view_bench_win.h"

namespace tvx {
namespace {

bool Shown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

RECT RectIn(HWND dialog, int id) {
  RECT rect;
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

std::wstring* noticeSeen = nullptr;

BOOL CALLBACK ReadNoticeText(HWND child, LPARAM) {
  if (GetDlgCtrlID(child) == 0xFFFF) *noticeSeen = TextOf(child);  // the box's text
  return TRUE;
}

void CALLBACK CloseNotice(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND notice = GetActiveWindow();
  EnumChildWindows(notice, &ReadNoticeText, 0);
  PostMessageW(notice, WM_COMMAND, IDOK, 0);
}

// Closes the plain message box that a press opens, once it shows; records its text.
void CloseNoticeSoon(std::wstring* text) {
  noticeSeen = text;
  SetTimer(nullptr, 0, 300, &CloseNotice);
}

class MessageDialogWindow : public testing::TestWithParam<std::uint16_t> {
 protected:
  MessageDialogWindow() : language_(GetParam()), view_(GetModuleHandleW(nullptr), CaptionFontFace(GetParam(), 6)) {
    view_.SetOnOpen(&OnDialogOpened);
  }
  std::string Shot(const char* kind) const {
    return std::string("message_") + kind + (GetParam() == 1042 ? "_kor" : "_eng");
  }
  int Show(std::int32_t kind, MessageKey title, MessageKey text, std::wstring name = {}) {
    dialog_ = std::make_unique<CMessageDlg>(language_.table, view_, language_.table.MessageText(title),
                                            language_.table.MessageText(text), kind, std::move(name));
    return dialog_->DoModal();
  }

  GdiplusSession gdiplus_;
  BenchLanguage language_;
  SkinnedMessageView view_;
  std::unique_ptr<CMessageDlg> dialog_;
};

TEST_P(MessageDialogWindow, OneButtonAndQuestionAnswerWithTheirButtons) {
  ScriptNextDialog([this](HWND dialog) {
    RECT window;
    GetWindowRect(dialog, &window);
    EXPECT_EQ(window.right - window.left, 468);
    EXPECT_EQ(window.bottom - window.top, 234);
    EXPECT_FALSE(Shown(dialog, kMessageLeftButton));
    EXPECT_EQ(RectIn(dialog, kMessageRightButton).left, 314);
    EXPECT_EQ(TextOf(GetDlgItem(dialog, kMessageRightButton)), language_.table.GetText({L"COMMON", L"OK"}));
    SaveScreenshot(dialog, Shot("200"));
    Click(dialog, kMessageRightButton);
  });
  EXPECT_EQ(Show(kMessageOk, L"DISKFAIL", L"DISKFAILDESC"), kMessageYes);

  // Escape answers as the right button: "no".
  ScriptNextDialog([this](HWND dialog) {
    EXPECT_TRUE(Shown(dialog, kMessageLeftButton));
    EXPECT_EQ(RectIn(dialog, kMessageLeftButton).left, 191);
    SaveScreenshot(dialog, Shot("201"));
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
  });
  EXPECT_EQ(Show(kMessageYesNo, L"EXIT", L"EXITDESC"), kMessageNo);
}

TEST_P(MessageDialogWindow, CheckBoxKindWithTheBoxClearReturnsSixAndStateZero) {
  ScriptNextDialog([this](HWND dialog) {
    EXPECT_TRUE(Shown(dialog, kMessageCheckBox));
    EXPECT_EQ(TextOf(GetDlgItem(dialog, kMessageCheckBox)), language_.table.GetText({L"MAIN", L"BATTERY"}));
    SaveScreenshot(dialog, Shot("202"));
    Click(dialog, kMessageRightButton);
  });
  EXPECT_EQ(Show(kMessageOkWithBox, L"BATTERY", L""), kMessageYes);
  EXPECT_EQ(dialog_->BoxState(), 0);
}

TEST_P(MessageDialogWindow, WaitClosedByItsOwnerReturnsOne) {
  ScriptNextDialog([this](HWND dialog) {
    EXPECT_TRUE(Shown(dialog, kMessageAnimationStrip));
    EXPECT_EQ(RectIn(dialog, kMessageAnimationStrip).top, 149);
    PumpFor(300);  // the strip moves on
    SaveScreenshot(dialog, Shot("203"));
    dialog_->CloseByOwner();
  });
  EXPECT_EQ(Show(kMessageWait, L"NETCONNECT", L"NTCONFIGTCPWAIT"), kMessageClosedByOwner);
}

TEST_P(MessageDialogWindow, NewAccountRefusesTwentyOneCharactersAndKeepsTheText) {
  const std::wstring tooLong(21, L'a');
  const std::wstring longest(20, L'b');
  std::wstring notice;
  ScriptNextDialog([&](HWND dialog) {
    HWND field = GetDlgItem(dialog, kMessageNameField);
    EXPECT_TRUE(Shown(dialog, kMessageNameField));
    EXPECT_EQ(TextOf(field), L"newuser");
    SaveScreenshot(dialog, Shot("334"));
    SetWindowTextW(field, tooLong.c_str());
    CloseNoticeSoon(&notice);
    Click(dialog, kMessageLeftButton);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_FALSE(dialog_->Ended());
    EXPECT_EQ(TextOf(field), tooLong);
    SetWindowTextW(field, longest.c_str());
    Click(dialog, kMessageLeftButton);
  });
  EXPECT_EQ(Show(kMessageNewAccount, L"CREATE", L"", L"newuser"), kMessageYes);
  EXPECT_EQ(notice, AccountNameTooLongText(GetParam()));
  EXPECT_EQ(dialog_->ResultName(), longest);
}

INSTANTIATE_TEST_SUITE_P(Languages, MessageDialogWindow, testing::Values(1033, 1042),
                         [](const auto& info) { return info.param == 1042 ? "Korean" : "English"; });

}  // namespace
}  // namespace tvx
