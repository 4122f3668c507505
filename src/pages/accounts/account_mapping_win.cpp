#include "pages/accounts/account_mapping_win.h"

#include "controls/control_win.h"
#include "core/wizard_messages.h"
#include "pages/shared/page_fonts.h"

namespace tvx {
namespace {

constexpr int kLabelX = 77;
constexpr int kListX = 447;
constexpr int kColumnWidth = 300;
constexpr int kFirstRowY = 194;
constexpr int kRowStep = 48;
constexpr int kRowFontHeight = 14;
// The list's height when it is open: room for about ten entries.
constexpr int kDroppedHeight = 240;

}  // namespace

void AccountMappingWindow::Build() {
  AddText(kAccountDescription, Language().GetText({L"ACCOUNT", L"PAGEDESC"}), 120, 93, 650, 30, BodyFont());
  AddText(kAccountTitle1, Language().GetText({L"ACCOUNT", L"TITLE1"}), kLabelX, 148, kColumnWidth, 40,
          HeadingFont());
  AddText(kAccountTitle2, Language().GetText({L"ACCOUNT", L"TITLE2"}), kListX, 148, kColumnWidth, 40,
          HeadingFont());
  HFONT rowFont = PageFont(kPageFontFace, kRowFontHeight, kPageBodyWeight);
  for (std::size_t r = 0; r < kMappingRows; ++r) {
    const int row = static_cast<int>(r);
    const int y = kFirstRowY + row * kRowStep;
    AddText(kAccountFirstLabel + row, L"", kLabelX, y + 4, kColumnWidth, 22, rowFont, kPageLabelColour,
            SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS);
    ShowControl(kAccountFirstLabel + row, false);
    HWND list = CreateChild(Handle(), kAccountFirstList + row, L"COMBOBOX",
                            WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kListX, y, kColumnWidth, kDroppedHeight);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(rowFont), FALSE);
  }
}

HWND AccountMappingWindow::List(std::size_t row) const {
  return GetDlgItem(Handle(), kAccountFirstList + static_cast<int>(row));
}

void AccountMappingWindow::ShowRows(const MappingRows& rows) {
  for (std::size_t r = 0; r < kMappingRows; ++r) {
    const MappingRow& row = rows[r];
    const int label = kAccountFirstLabel + static_cast<int>(r);
    SetText(label, row.label);
    ShowControl(label, row.shown);
    HWND list = List(r);
    if (listed_[r] != row.items) {
      SendMessageW(list, CB_RESETCONTENT, 0, 0);
      for (const std::wstring& item : row.items) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      }
      listed_[r] = row.items;
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(row.chosen), 0);
    ShowControl(kAccountFirstList + static_cast<int>(r), row.shown);
  }
}

void AccountMappingWindow::OnControlNotice(int id, int code) {
  const int row = id - kAccountFirstList;
  if (code != CBN_SELCHANGE || row < 0 || row >= static_cast<int>(kMappingRows)) return;
  // A choice may open the new-account dialog: it waits until the list has
  // finished handling the user's input.
  PostMessageW(Handle(), kMsgAccountRowChosen, static_cast<WPARAM>(row), 0);
}

LRESULT AccountMappingWindow::OnPageMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kMsgAccountRowChosen) return PageWindow::OnPageMessage(message, wParam, lParam);
  // A notice still queued when a dialog opened is turned by the dialog's
  // loop: the row being handled finishes first.
  const std::size_t row = static_cast<std::size_t>(wParam);
  if (!page_ || choosing_ || row >= kMappingRows) return 0;
  const LRESULT item = SendMessageW(List(row), CB_GETCURSEL, 0, 0);
  if (item == CB_ERR || item == page_->Rows()[row].chosen) return 0;
  choosing_ = true;
  page_->OnRowChanged(static_cast<int>(row), static_cast<int>(item));
  choosing_ = false;
  return 0;
}

}  // namespace tvx
