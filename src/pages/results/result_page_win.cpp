#include "pages/results/result_page_win.h"

#include "pages/shared/page_fonts.h"

namespace tvx {
namespace {

constexpr COLORREF kRowColour = RGB(66, 66, 66);
constexpr int kDonePicture = 289;
constexpr int kFailedPicture = 260;
constexpr GdipButtonImageIds kCopyImages{230, 231, 0, 232, 0};

// The rows: caption and value, one under the other.
constexpr int kRowIds[3][2] = {{kResultFilesCaption, kResultFiles},
                               {kResultDataCaption, kResultData},
                               {kResultTimeCaption, kResultTime}};
constexpr int kRowsTop = 200;
constexpr int kRowHeight = 28;
constexpr int kRowsLeft = 250;
constexpr int kDescriptionsLeft = 240;
constexpr int kDescriptionsWidth = 530;

}  // namespace

void ResultPageWindow::Build() {
  const std::uint16_t language = Language().LanguageId();
  const bool wideRows = UsesWideResultRows(language);
  const int captionWidth = wideRows ? 190 : 170;
  HFONT body = BodyFont();
  AddStatusColumn(262, kResultLargeTitle, 100);
  AddImage(kDonePicture, 630, 192);
  AddImage(kFailedPicture, 670, 210);
  ShowImage(kFailedPicture, false);
  AddDescription(kResultDescription);
  AddPcHeading(kResultPcCaption);
  AddText(kResultCaption, L"", kDescriptionsLeft, 148, 380, 40, HeadingFont());
  AddText(kResultMethodCaption, L"", 62, 198, 150, 40, body, kPageLabelColour);
  ShowControl(kResultMethodCaption, false);
  AddText(kResultMethod, L"", 62, 198, 150, 40, body, kPageLabelColour);
  AddText(kResultStateCaption, L"", 62, 226, 150, 40, body, kPageLabelColour);
  ShowControl(kResultStateCaption, false);
  AddText(kResultState, L"", 62, 226, 150, 40, body, kPageLabelColour);
  for (int row = 0; row < 3; ++row) {
    const int y = kRowsTop + row * kRowHeight;
    AddText(kRowIds[row][0], L"", kRowsLeft, y, captionWidth, kRowHeight, body, kPageLabelColour);
    AddText(kRowIds[row][1], L"", kRowsLeft + captionWidth + 10, y, 200, kRowHeight, body, kRowColour);
  }
  // Each description has room for two lines.
  AddText(kResultDesc1, L"", kDescriptionsLeft, 288, kDescriptionsWidth, 34, body, kPageTextColour);
  AddText(kResultDesc2, L"", kDescriptionsLeft, 322, kDescriptionsWidth, 34, body, kPageTextColour);
  const int desc4Top = MovesResultDesc4(language) ? 426 : 414;
  if (finish_) {
    AddText(kResultDesc3, L"", kDescriptionsLeft, 356, kDescriptionsWidth, 34, body, kPageTextColour);
    installButton_.Attach(CreateChild(Handle(), kResultInstallButton, L"BUTTON",
                                      WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, kDescriptionsLeft, 392, 17, 15));
    installButton_.SetImages(Instance(), kCopyImages);
    AddText(kResultInstallLink, L"", kDescriptionsLeft + 20, 391, 400, 20, body, kPageTextColour, SS_LEFT | SS_NOTIFY);
    linkCursor_.Attach(GetDlgItem(Handle(), kResultInstallLink));
    linkCursor_.SetCursorShape(LoadCursorW(nullptr, IDC_HAND));
  }
  AddText(kResultDesc4, L"", kDescriptionsLeft, desc4Top, kDescriptionsWidth, 34, body, kPageTextColour);
}

void ResultPageWindow::ShowFace(const ResultPageFace& face) {
  SetText(kResultDescription, face.description);
  SetText(kResultPcCaption, face.pcCaption);
  SetText(kResultCaption, face.resultCaption);
  SetText(kResultMethodCaption, face.methodCaption);
  SetText(kResultMethod, face.method);
  SetText(kResultStateCaption, face.stateCaption);
  SetText(kResultState, face.state);
  SetText(kResultLargeTitle, face.largeTitle);
  SetText(kResultFilesCaption, face.filesCaption);
  SetText(kResultDataCaption, face.dataCaption);
  SetText(kResultTimeCaption, face.timeCaption);
  SetText(kResultDesc1, face.desc1);
  SetText(kResultDesc2, face.desc2);
  SetText(kResultDesc3, face.desc3);
  SetText(kResultDesc4, face.desc4);
  SetText(kResultInstallLink, face.installLink);
  if (finish_) installButton_.SetToolTipText(face.installLink);
}

void ResultPageWindow::ShowFigures(const ResultFigures& figures) {
  SetText(kResultFiles, figures.files);
  SetText(kResultData, figures.data);
  SetText(kResultTime, figures.time);
}

void ResultPageWindow::HideInstallOffer() {
  ShowControl(kResultDesc3, false);
  ShowControl(kResultInstallButton, false);
  ShowControl(kResultInstallLink, false);
}

void ResultPageWindow::ShowFailureIn(int id, const std::wstring& text) {
  HWND failure = GetDlgItem(Handle(), id);
  if (!failure) return;
  RECT old;
  GetWindowRect(failure, &old);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&old), 2);
  InvalidateRect(Handle(), &old, FALSE);
  MoveWindow(failure, kDescriptionsLeft, 288, kDescriptionsWidth, 60, FALSE);
  SetText(id, text);
}

void ResultPageWindow::ShowScanFailure(const std::wstring& text) {
  ShowControl(kResultDesc1, false);
  ShowControl(kResultDesc3, false);
  ShowControl(kResultDesc4, false);
  ShowFailureIn(kResultDesc2, text);
}

void ResultPageWindow::ShowLoadFailure(const std::wstring& text) {
  ShowControl(kResultDesc4, false);
  ShowFailureIn(kResultDesc1, text);
  ShowImage(kDonePicture, false);
  ShowImage(kFailedPicture, true);
}

void ResultPageWindow::OnClicked(int id) {
  if (finishPage_ && (id == kResultInstallButton || id == kResultInstallLink)) finishPage_->OnInstall();
}

}  // namespace tvx
