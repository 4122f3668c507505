// The intro page's window: the picture over the top of the page, the
// description, and the copy-program button and link, which both ask the page
// for the copy of the program.
#pragma once

#include "controls/gdip_button_win.h"
#include "pages/intro/intro.h"
#include "pages/shared/page_window_win.h"

namespace tvx {

constexpr int kIntroDescription = 1223;
constexpr int kIntroCopyButton = 1095;
constexpr int kIntroCopyLink = 1224;

class IntroWindow final : public PageWindow, public IntroView {
 public:
  using PageWindow::PageWindow;
  ~IntroWindow() override { Destroy(); }
  void Connect(CIntro& page) { page_ = &page; }

  void SetUpPage(const IntroTexts& texts) override;

 private:
  void Build() override;
  void OnClicked(int id) override;

  CIntro* page_ = nullptr;
  CGdipButton copyButton_;
  Control linkCursor_;  // the hand over the link
};

}  // namespace tvx
