// What the windows of both network pages show: the fixed texts filled once,
// the two speech bubbles and the status area the two pages share. The view
// maps each of these to its controls; the page logic knows no control.
#pragma once

#include <string>

#include "core/language_keys.h"

namespace tvx {

class LanguageTable;

// The fixed texts both pages fill when their window is created.
struct NetPageFace {
  std::wstring pcLabel;  // which PC this is (sending or receiving)
  std::wstring title;
  std::wstring description;
  std::wstring bubble1;
  std::wstring bubble2;
  std::wstring waitText;  // waiting (sending) or searching (receiving)
  // The status area: the transfer method, its caption kept hidden, and the state.
  std::wstring methodCaption;
  std::wstring method;
  std::wstring stateCaption;
  std::wstring state;
  std::wstring stateText;
};

class NetPageView {
 public:
  virtual ~NetPageView() = default;
  // Gives the two speech bubbles their texts and shows both.
  virtual void ShowBubbles(const std::wstring& first, const std::wstring& second) = 0;
};

// Where each page finds the texts of its own; the status area is the same on
// both: the transfer method (network) and the state (ready).
struct NetPageKeys {
  LanguageKey pcLabel;
  LanguageKey title;
  LanguageKey description;
  LanguageKey bubble1;
  LanguageKey bubble2;
  LanguageKey waitText;
};

// Fills the part of a page's face both pages share.
void FillNetPageFace(NetPageFace& face, const NetPageKeys& keys, const LanguageTable& language);

}  // namespace tvx
