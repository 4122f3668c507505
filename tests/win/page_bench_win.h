// The wizard window of one language for page windows to sit in, as the
// page-window tests share it: pages are made in its page area, and a
// screenshot of the whole window is saved with the language in its name.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/button_look.h"
#include "controls/message_dialog_win.h"
#include "pages/shared/page_window_win.h"
#include "ui/wizard_frame_win.h"
#include "view_bench_win.h"

namespace tvx {

class PageBench : public testing::TestWithParam<std::uint16_t> {
 protected:
  static HINSTANCE Instance() { return GetModuleHandleW(nullptr); }
  static bool Visible(HWND page, int id) { return IsWindowVisible(GetDlgItem(page, id)) != FALSE; }
  static bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }
  static void Click(HWND page, int id) { SendMessageW(GetDlgItem(page, id), BM_CLICK, 0, 0); }

  void SetUp() override {
    ASSERT_TRUE(frame_.Create(SW_SHOW));
    messages_.SetOwner(frame_.Handle());
  }
  std::wstring Text(const LanguageKey& key) const { return language_.table.GetText(key); }
  // Saves the wizard window as screenshots/<name>_eng.png (or _kor).
  void Shoot(const std::string& name) {
    PumpFor(250);
    SaveScreenshot(frame_.Handle(), name + (GetParam() == 1042 ? "_kor" : "_eng"));
  }
  // A page window of the wizard, shown.
  template <typename PageWindowType, typename... Extra>
  std::unique_ptr<PageWindowType> MakePage(Extra... extra) {
    auto page = std::make_unique<PageWindowType>(PageContext{Instance(), language_.table, face_}, extra...);
    EXPECT_TRUE(page->Create(frame_.Handle(), frame_.PageRect()));
    page->Show(true);
    return page;
  }

  GdiplusSession graphics_;
  BenchLanguage language_{GetParam()};
  std::wstring face_ = CaptionFontFace(GetParam(), 6);
  SkinnedMessageView messages_{Instance(), face_};
  WizardFrame frame_{Instance(), language_.table, messages_, face_};
};

// English and Korean.
#define TVX_PAGE_LANGUAGES(suite)                                              \
  INSTANTIATE_TEST_SUITE_P(Languages, suite, testing::Values(1033, 1042),      \
                           [](const auto& info) { return info.param == 1042 ? "Korean" : "English"; })

}  // namespace tvx
