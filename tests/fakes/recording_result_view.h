// A view of the finish or completion page that keeps what the page shows:
// each label's text and visibility, which label shows a failure, and the
// install button and failure picture.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "pages/results/result_view.h"

namespace tvx {

class RecordingResultView final : public ResultPageView {
 public:
  void SetText(ResultLabel label, const std::wstring& text) override { texts[label] = text; }
  void ShowLabel(ResultLabel label, bool show) override { shown[label] = show; }
  void ShowFailureText(ResultLabel label, const std::wstring& text) override {
    texts[label] = text;
    failureLabel = label;
  }
  void ShowInstallButton(bool show) override { installButton = show; }
  void ShowFailurePicture() override { failurePicture = true; }

  std::wstring Text(ResultLabel label) const {
    const auto it = texts.find(label);
    return it == texts.end() ? std::wstring() : it->second;
  }
  // Labels are visible until the page hides them.
  bool Shown(ResultLabel label) const {
    const auto it = shown.find(label);
    return it == shown.end() || it->second;
  }

  std::map<ResultLabel, std::wstring> texts;
  std::map<ResultLabel, bool> shown;
  bool installButton = true;
  bool failurePicture = false;
  std::optional<ResultLabel> failureLabel;
};

}  // namespace tvx
