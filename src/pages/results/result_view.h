// The window side of the two last pages, the finish page of the sending PC
// and the completion page of the receiving PC: a header block, three
// captioned rows (files, data, time) and descriptions. The page logic gives
// every text; the view places and draws them.
#pragma once

#include <cstdint>
#include <string>

namespace tvx {

// The texts the page fills once, when its window is created. A text the
// page does not have stays empty (the completion page has no second or
// third description and no install link).
struct ResultPageFace {
  std::wstring description;
  std::wstring pcCaption;
  std::wstring resultCaption;
  std::wstring methodCaption;
  std::wstring method;
  std::wstring stateCaption;
  std::wstring state;
  std::wstring largeTitle;
  std::wstring filesCaption;
  std::wstring dataCaption;
  std::wstring timeCaption;
  std::wstring desc1;
  std::wstring desc2;
  std::wstring desc3;
  std::wstring desc4;
  std::wstring installLink;
};

// The values of the three captioned rows.
struct ResultFigures {
  std::wstring files;
  std::wstring data;
  std::wstring time;
};

class ResultPageView {
 public:
  virtual ~ResultPageView() = default;
  virtual void ShowFace(const ResultPageFace& face) = 0;
  // The transfer method in the header block.
  virtual void ShowMethod(const std::wstring& text) = 0;
  virtual void ShowFigures(const ResultFigures& figures) = 0;

  // The finish page: its second description (DESC21 or DESC22).
  virtual void ShowSecondDescription(const std::wstring& text) = 0;
  // The finish page: hides the third description, the install link and the
  // copy-program button beside it.
  virtual void HideInstallOffer() = 0;
  // The finish page: the failure text takes the second description's place,
  // moved to the description position and stretched across the page width;
  // the first, third and fourth descriptions are hidden.
  virtual void ShowScanFailure(const std::wstring& text) = 0;
  // The completion page: the failure text takes the first description's
  // place, moved and stretched the same way; the fourth description is hidden
  // and the picture of a failed load shown.
  virtual void ShowLoadFailure(const std::wstring& text) = 0;
};

// Languages whose row captions need more room.
bool UsesWideResultRows(std::uint16_t languageId);
// Languages whose DESC4 text sits elsewhere.
bool MovesResultDesc4(std::uint16_t languageId);

}  // namespace tvx
