#include "view_bench_win.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/path.h"
#include "controls/gdiplus_win.h"
#include "support/built_tools.h"

namespace tvx {
namespace {

bool PngEncoder(CLSID& clsid) {
  UINT count = 0, size = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::vector<std::uint8_t> buffer(size);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (std::wstring(encoders[i].MimeType) == L"image/png") {
      clsid = encoders[i].Clsid;
      return true;
    }
  }
  return false;
}

unsigned& ScriptDelay() {
  static unsigned delay = 400;
  return delay;
}

std::function<void(HWND)>& PendingScript() {
  static std::function<void(HWND)> script;
  return script;
}

constexpr UINT_PTR kScriptTimer = 0x5EB;

// A wizard window posts the quit message as it is destroyed, which ends the
// program's loop; in the tests it would stay queued and end the next test's
// first modal dialog at once. Each test starts with an empty quit.
class QuitDrain final : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
};

[[maybe_unused]] const bool kQuitDrained = [] {
  testing::UnitTest::GetInstance()->listeners().Append(new QuitDrain);
  return true;
}();

void CALLBACK RunScript(HWND dialog, UINT, UINT_PTR id, DWORD) {
  KillTimer(dialog, id);
  auto script = std::move(PendingScript());
  PendingScript() = nullptr;
  if (script) script(dialog);
}

}  // namespace

std::wstring ResourceFolder() { return SourceTreePath(L"res\\"); }

BenchLanguage::BenchLanguage(std::uint16_t languageId) : ini(MakeIniFile()), table(*ini) {
  const std::wstring res = ResourceFolder();
  table.Prepare(res + L"Lang\\", res + L"Help\\", languageId);
}

bool Shown(HWND parent, int id) { return IsWindowVisible(GetDlgItem(parent, id)) != FALSE; }

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;
  Gdiplus::GdiplusStartup(&token_, &input, nullptr);
}

GdiplusSession::~GdiplusSession() {
  if (token_) Gdiplus::GdiplusShutdown(token_);
}

void PumpFor(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

bool PumpUntil(const std::function<bool()>& done, int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  while (!done()) {
    if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
    PumpFor(10);
  }
  return true;
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

void SaveScreenshot(HWND window, const std::string& name) {
  RECT rect;
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, previous);
  CLSID png;
  if (PngEncoder(png)) {
    // Beside the test executable, whatever folder a test left current.
    static const std::wstring folder = ProgramFolder() + L"\\screenshots\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring path = folder;
    for (char c : name) path += static_cast<wchar_t>(c);
    path += L".png";
    Gdiplus::Bitmap image(bitmap, nullptr);
    image.Save(path.c_str(), &png, nullptr);
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

void ScriptNextDialog(std::function<void(HWND)> script, unsigned delayMs) {
  PendingScript() = std::move(script);
  ScriptDelay() = delayMs;
}

void OnDialogOpened(HWND dialog) {
  // Shown and painted by the time the script runs.
  if (PendingScript()) SetTimer(dialog, kScriptTimer, ScriptDelay(), &RunScript);
}

GuiObjects CountGuiObjects() {
  HANDLE self = GetCurrentProcess();
  GuiObjects objects{GetGuiResources(self, GR_GDIOBJECTS), GetGuiResources(self, GR_USEROBJECTS), true};
  if (objects.gdi != 0) return objects;
  // Wine takes a handle without its generation (high word 0) for whichever
  // object holds that slot of the table.
  objects.counted = false;
  for (ULONG_PTR slot = 1; slot <= 0xFFFF; ++slot) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++objects.gdi;
    if (IsWindow(reinterpret_cast<HWND>(slot))) ++objects.user;
  }
  return objects;
}

}  // namespace tvx
