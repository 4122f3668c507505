#include "pages/shared/page_window_win.h"

#include "controls/control_win.h"
#include "controls/paint_dc_win.h"
#include "pages/shared/page_fonts.h"

namespace tvx {
namespace {

constexpr wchar_t kClassName[] = L"TralvexPage";
constexpr int kPageBackground = 381;

}  // namespace

PageWindow::PageWindow(const PageContext& context) : context_(context) {}

PageWindow::~PageWindow() { Destroy(); }

bool PageWindow::Create(HWND parent, const RECT& area) {
  headingFont_.Reset(
      MakeFont(kPageFontFace, PageHeadingHeight(Language().LanguageId()), kPageHeadingWeight));
  bodyFont_.Reset(MakeFont(kPageFontFace, kPageBodyHeight, kPageBodyWeight));
  background_.Load(Instance(), kPageBackground);
  WindowShape shape;
  shape.instance = Instance();
  shape.className = kClassName;
  // Not clipping its children: the transparent texts draw over the
  // background the page has just painted under them, never over old pixels.
  shape.style = WS_CHILD | WS_CLIPSIBLINGS;
  shape.exStyle = WS_EX_CONTROLPARENT;
  shape.x = area.left;
  shape.y = area.top;
  shape.width = kPageWidth;
  shape.height = kPageHeight;
  shape.parent = parent;
  if (!CreateWindowFor(shape)) return false;
  Build();
  return true;
}

void PageWindow::Show(bool shown) {
  if (!Handle()) return;
  ShowWindow(Handle(), shown ? SW_SHOW : SW_HIDE);
  if (shown) SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

HFONT PageWindow::PageFont(const wchar_t* face, int height, int weight) {
  ownFonts_.emplace_back(MakeFont(face, height, weight));
  return ownFonts_.back().Get();
}

HWND PageWindow::AddText(int id, const std::wstring& text, int x, int y, int w, int h, HFONT font,
                         COLORREF colour, DWORD style) {
  HWND label = CreateChild(Handle(), id, L"STATIC", WS_VISIBLE | SS_NOPREFIX | style, x, y, w, h, text.c_str());
  if (!label) return nullptr;
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  textColours_[label] = colour;
  return label;
}

void PageWindow::SetText(int id, const std::wstring& text) {
  HWND child = GetDlgItem(Handle(), id);
  if (!child) return;
  SetWindowTextW(child, text.c_str());
  RepaintUnder(child);
}

void PageWindow::ShowControl(int id, bool shown) {
  HWND child = GetDlgItem(Handle(), id);
  // The control's own flag: IsWindowVisible also asks the hidden page.
  const bool visible = (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0;
  if (!child || visible == shown) return;
  ShowWindow(child, shown ? SW_SHOW : SW_HIDE);
  RepaintUnder(child);
}

// A transparent text leaves its old pixels behind: the page repaints the
// background under it (the page does not clip its children), and the text
// draws itself again on top.
void PageWindow::RepaintUnder(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
  RedrawWindow(Handle(), &rect, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void PageWindow::AddStatusColumn(int ruleY, int largeLabel, int largeLabelHeight) {
  constexpr int kFirstBullet = 423;
  constexpr int kSecondBullet = 424;
  constexpr int kRule = 395;
  constexpr COLORREF kLargeLabelColour = RGB(101, 202, 255);
  AddImage(kFirstBullet, 41, 198);
  AddImage(kSecondBullet, 41, 226);
  AddImage(kRule, 40, ruleY);
  AddText(largeLabel, L"", 41, 268, 190, largeLabelHeight, PageFont(kPageFontFace, 24, kPageHeadingWeight),
          kLargeLabelColour);
}

int PageWindow::AddImage(int resourceId, int x, int y) {
  auto bitmap = std::make_unique<CGdiPlusBitmapResource>(Instance(), resourceId);
  images_.push_back(PageImage{resourceId, x, y, true, std::move(bitmap)});
  return static_cast<int>(images_.size()) - 1;
}

void PageWindow::ShowImage(int resourceId, bool shown) {
  for (std::size_t i = 0; i < images_.size(); ++i) {
    if (images_[i].resourceId == resourceId) ShowImageAt(static_cast<int>(i), shown);
  }
}

void PageWindow::ShowImageAt(int index, bool shown) {
  if (index < 0 || index >= static_cast<int>(images_.size())) return;
  PageImage& image = images_[static_cast<std::size_t>(index)];
  if (image.shown == shown) return;
  image.shown = shown;
  if (!Handle() || image.bitmap->Empty()) return;
  RECT rect{image.x, image.y, image.x + image.bitmap->Width(), image.y + image.bitmap->Height()};
  RedrawWindow(Handle(), &rect, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

LRESULT PageWindow::OnEraseBackground(HDC) { return 1; }

LRESULT PageWindow::OnPaint() {
  CBufferDC paint(Handle());
  PaintBackground(paint.Dc());
  return 0;
}

void PageWindow::PaintBackground(HDC dc) {
  RECT client{0, 0, kPageWidth, kPageHeight};
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  Gdiplus::Graphics graphics(dc);
  background_.Draw(graphics, 0, 0);
  for (const PageImage& image : images_) {
    if (image.shown) image.bitmap->Draw(graphics, image.x, image.y);
  }
}

LRESULT PageWindow::OnCommand(int id, int code, HWND control) {
  if (!control) return 0;
  if (code == BN_CLICKED || code == STN_CLICKED) OnClicked(id);
  else OnControlNotice(id, code);
  return 0;
}

LRESULT PageWindow::OnPageMessage(UINT, WPARAM, LPARAM) { return Default(); }

LRESULT PageWindow::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
      if (Control::DrawItemOf(lParam)) return TRUE;
      break;
    case WM_PRINTCLIENT: PaintBackground(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_CTLCOLORSTATIC: {
      const auto colour = textColours_.find(reinterpret_cast<HWND>(lParam));
      if (colour == textColours_.end()) break;
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, colour->second);
      return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
    }
    default: break;
  }
  return OnPageMessage(message, wParam, lParam);
}

}  // namespace tvx
