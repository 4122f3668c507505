// The view bench: what the window tests share. GDI+ for the test's life, the
// program's language files, a pause that keeps the windows painting, a
// screenshot of a window into build/win64/screenshots/, and a script that runs
// inside a modal dialog once it shows.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "base/ini_file.h"
#include "base/win.h"
#include "core/language_table.h"

namespace tvx {

// The source tree's res\ folder (language files, the rule template).
std::wstring ResourceFolder();

// A language table over the program's own language file for `languageId`.
struct BenchLanguage {
  explicit BenchLanguage(std::uint16_t languageId);
  std::unique_ptr<IniFile> ini;
  LanguageTable table;
};

// Starts GDI+ for as long as it lives.
class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();

 private:
  ULONG_PTR token_ = 0;
};

// Turns the message loop for `milliseconds`.
void PumpFor(int milliseconds);
// Turns the message loop until `done` holds, for at most `milliseconds`;
// returns whether it holds.
bool PumpUntil(const std::function<bool()>& done, int milliseconds);

// The text of a window or control, as a user or a screen reader gets it.
std::wstring TextOf(HWND window);
// Whether child `id` of `parent` is shown.
bool Shown(HWND parent, int id);

// Saves what the screen shows of `window` as screenshots/<name>.png.
void SaveScreenshot(HWND window, const std::string& name);

// Runs `script` with the dialog's window once the dialog has been shown for a
// moment; the script presses its buttons or closes it.
void ScriptNextDialog(std::function<void(HWND)> script, unsigned delayMs = 400);
// The hook a SkinnedMessageView calls with each dialog it opens.
void OnDialogOpened(HWND dialog);

// GDI and USER objects of this process: GetGuiResources where the system
// answers it; Wine answers 0, and there the handle tables are probed instead
// (live GDI objects, and windows for USER objects).
struct GuiObjects {
  DWORD gdi = 0;
  DWORD user = 0;
  bool counted = true;  // by GetGuiResources
};
GuiObjects CountGuiObjects();

}  // namespace tvx
