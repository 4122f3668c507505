// The window of the two last pages, the finish page of the sending PC and
// the completion page of the receiving PC: the header block on the left
// (PC, method, state and the large result), the three captioned rows with
// their picture on the right, and the descriptions under them; on the finish
// page also the offer to copy the program.
#pragma once

#include "controls/gdip_button_win.h"
#include "pages/results/finish_page.h"
#include "pages/results/result_view.h"
#include "pages/shared/page_window_win.h"

namespace tvx {

constexpr int kResultDescription = 1063;
constexpr int kResultPcCaption = 1154;
constexpr int kResultCaption = 1155;
constexpr int kResultMethodCaption = 1158;
constexpr int kResultMethod = 1246;
constexpr int kResultStateCaption = 1159;
constexpr int kResultState = 1247;
constexpr int kResultLargeTitle = 1226;
constexpr int kResultFilesCaption = 1130;
constexpr int kResultDataCaption = 1131;
constexpr int kResultTimeCaption = 1132;
constexpr int kResultFiles = 1133;
constexpr int kResultData = 1134;
constexpr int kResultTime = 1135;
constexpr int kResultDesc1 = 1136;
constexpr int kResultDesc2 = 1137;
constexpr int kResultDesc3 = 1138;
constexpr int kResultDesc4 = 1139;
constexpr int kResultInstallButton = 1095;
constexpr int kResultInstallLink = 1224;

class ResultPageWindow final : public PageWindow, public ResultPageView {
 public:
  // `finish`: the sending PC's page, with the install offer.
  ResultPageWindow(const PageContext& context, bool finish) : PageWindow(context), finish_(finish) {}
  ~ResultPageWindow() override { Destroy(); }
  // The finish page hands the install offer's clicks to its logic.
  void Connect(CFinish& page) { finishPage_ = &page; }

  void ShowFace(const ResultPageFace& face) override;
  void ShowMethod(const std::wstring& text) override { SetText(kResultMethod, text); }
  void ShowFigures(const ResultFigures& figures) override;
  void ShowSecondDescription(const std::wstring& text) override { SetText(kResultDesc2, text); }
  void HideInstallOffer() override;
  void ShowScanFailure(const std::wstring& text) override;
  void ShowLoadFailure(const std::wstring& text) override;

 private:
  void Build() override;
  void OnClicked(int id) override;
  // Puts the failure text where the first description starts, across the
  // right-hand side.
  void ShowFailureIn(int id, const std::wstring& text);

  bool finish_;
  CFinish* finishPage_ = nullptr;
  CGdipButton installButton_;
  Control linkCursor_;  // the hand over the install link
};

}  // namespace tvx
