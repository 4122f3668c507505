// The base of every page window: a child of the wizard window laid over its
// page area, 790 x 469, painted from the common page background and the
// page's own images, with the page fonts. Static texts are drawn
// transparently in their own colours. A page window shows what its page
// logic tells it and hands the user's clicks to that logic; it decides
// nothing itself.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/handle_win.h"
#include "base/win.h"
#include "base/window_win.h"
#include "controls/gdiplus_bitmap_win.h"
#include "core/language_table.h"

namespace tvx {

constexpr int kPageWidth = 790;
constexpr int kPageHeight = 469;

// Text colours of the pages.
constexpr COLORREF kPageTitleColour = RGB(50, 50, 50);
constexpr COLORREF kPageLabelColour = RGB(79, 79, 79);
constexpr COLORREF kPageTextColour = RGB(30, 30, 30);

// What every page window is made with.
struct PageContext {
  HINSTANCE instance;
  const LanguageTable& language;
  std::wstring captionFace;  // of the texts on bitmap buttons (CaptionFontFace)
};

class PageWindow : public Window {
 public:
  explicit PageWindow(const PageContext& context);
  ~PageWindow() override;

  // Creates the page, hidden, at `area` of `parent`, then its controls.
  bool Create(HWND parent, const RECT& area);
  // The page's data exchange as it is left; false keeps the wizard on it.
  virtual bool Validate() { return true; }
  void Show(bool shown);

 protected:
  // Makes the page's controls; the page window exists.
  virtual void Build() = 0;
  // A click (BN_CLICKED or STN_CLICKED) of child `id`.
  virtual void OnClicked(int id) { (void)id; }
  // Any other notification code of child `id` (a list's new choice, say).
  virtual void OnControlNotice(int id, int code) { (void)id, (void)code; }
  // Any other message of the page.
  virtual LRESULT OnPageMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE Instance() const { return context_.instance; }
  const LanguageTable& Language() const { return context_.language; }
  const std::wstring& CaptionFace() const { return context_.captionFace; }
  HFONT HeadingFont() const { return headingFont_.Get(); }
  HFONT BodyFont() const { return bodyFont_.Get(); }
  // A font owned by the page, for texts with their own size.
  HFONT PageFont(const wchar_t* face, int height, int weight);

  // A static text at (x, y), w x h, drawn transparently in `colour`.
  HWND AddText(int id, const std::wstring& text, int x, int y, int w, int h, HFONT font,
               COLORREF colour = kPageTitleColour, DWORD style = SS_LEFT);
  // The page description over the page, room for two lines.
  HWND AddDescription(int id) { return AddText(id, L"", 120, 93, 650, 40, BodyFont()); }
  // The heading of the left-hand column (which PC this is), two lines.
  HWND AddPcHeading(int id) { return AddText(id, L"", 48, 148, 180, 48, HeadingFont()); }
  // The left-hand status column of the run, result and network pages: the
  // bullets before the method line (y 198) and the state line (y 226), the
  // rule at `ruleY` and, under it, the large state label `largeLabel`,
  // `largeLabelHeight` high.
  void AddStatusColumn(int ruleY, int largeLabel, int largeLabelHeight);
  // Changes a text and repaints the background under it, so the old text goes.
  void SetText(int id, const std::wstring& text);
  void ShowControl(int id, bool shown);
  // Repaints the page's background under a child, which then draws itself
  // again on top (before and after a transparent text moves).
  void RepaintUnder(HWND child);
  // An image of PNG resource `resourceId` painted on the background at
  // (x, y); returns its number on the page.
  int AddImage(int resourceId, int x, int y);
  // Shows or hides every image of `resourceId`, or the image numbered `index`.
  void ShowImage(int resourceId, bool shown);
  void ShowImageAt(int index, bool shown);

 private:
  struct PageImage {
    int resourceId;
    int x;
    int y;
    bool shown;
    std::unique_ptr<CGdiPlusBitmapResource> bitmap;
  };

  LRESULT OnEraseBackground(HDC dc) override;
  LRESULT OnPaint() override;
  LRESULT OnCommand(int id, int code, HWND control) override;
  LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintBackground(HDC dc);

  PageContext context_;
  CGdiPlusBitmapResource background_;
  std::vector<PageImage> images_;
  GdiOwner<HFONT> headingFont_, bodyFont_;
  std::vector<GdiOwner<HFONT>> ownFonts_;
  std::map<HWND, COLORREF> textColours_;
};

}  // namespace tvx
