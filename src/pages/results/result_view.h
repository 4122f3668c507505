// The window side of the two last pages, the finish page of the sending PC
// and the completion page of the receiving PC: a header block, three
// captioned rows (files, data, time) and descriptions. The page logic says
// which label shows which text; the view places and draws them.
#pragma once

#include <cstdint>
#include <string>

namespace tvx {

enum class ResultLabel {
  PageDescription,
  PcCaption,
  ResultCaption,
  MethodCaption,
  MethodValue,
  StateCaption,
  StateValue,
  LargeTitle,
  FilesCaption,
  DataCaption,
  TimeCaption,
  FilesValue,
  DataValue,
  TimeValue,
  Desc1,
  Desc2,  // the finish page's DESC21 or DESC22
  Desc3,
  Desc4,
  InstallLink,
};

class ResultPageView {
 public:
  virtual ~ResultPageView() = default;
  virtual void SetText(ResultLabel label, const std::wstring& text) = 0;
  virtual void ShowLabel(ResultLabel label, bool show) = 0;
  // Gives `label` the failure text, moved to the description position and
  // stretched across the page width.
  virtual void ShowFailureText(ResultLabel label, const std::wstring& text) = 0;
  // The finish page's copy-program button beside the install link.
  virtual void ShowInstallButton(bool show) = 0;
  // The completion page's picture of a failed load.
  virtual void ShowFailurePicture() = 0;
};

// Languages whose row captions need more room.
bool UsesWideResultRows(std::uint16_t languageId);
// Languages whose DESC4 text sits elsewhere.
bool MovesResultDesc4(std::uint16_t languageId);
// Character height of the bold heading font.
int ResultHeadingHeight(std::uint16_t languageId);

}  // namespace tvx
