// A view of the finish or completion page that keeps what the page shows:
// the texts it filled, the figures, the method, and which failure it showed.
#pragma once

#include <string>

#include "pages/results/result_view.h"

namespace tvx {

class RecordingResultView final : public ResultPageView {
 public:
  void ShowFace(const ResultPageFace& f) override { face = f; }
  void ShowMethod(const std::wstring& text) override { face.method = text; }
  void ShowFigures(const ResultFigures& f) override { figures = f; }
  void ShowSecondDescription(const std::wstring& text) override { face.desc2 = text; }
  void HideInstallOffer() override { installOffer = false; }
  void ShowScanFailure(const std::wstring& text) override { scanFailure = text; }
  void ShowLoadFailure(const std::wstring& text) override { loadFailure = text; }

  ResultPageFace face;
  ResultFigures figures;
  bool installOffer = true;
  std::wstring scanFailure;
  std::wstring loadFailure;
};

}  // namespace tvx
