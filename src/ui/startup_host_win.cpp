#include "ui/startup_host_win.h"

#include <memory>
#include <commctrl.h>

#include "controls/button_look.h"
#include "controls/control_win.h"
#include "core/os_facts.h"
#include "controls/gdiplus_win.h"

#include "base/winsock_win.h"
#include "engine/tool_thread.h"
#include "pages/configuration/software_dialog_win.h"
#include "platform/environment.h"
#include "platform/internet_reach.h"
#include "platform/network_adapters.h"
#include "platform/probe_network.h"
#include "platform/shell_exec.h"
#include "platform/shell_folders.h"
#include "platform/shell_namespace.h"
#include "platform/uninstall_registry.h"
#include "platform/user_accounts.h"
#include "ui/wizard_frame_win.h"
#include "ui/page_views_win.h"
#include "wizard/wizard_assembly.h"

namespace tvx {
namespace {

// The machine's own services, for the wizard's pages and controllers.
struct SystemServices {
  std::unique_ptr<UserAccounts> accounts = MakeUserAccounts();
  std::unique_ptr<ShellFolders> folders = MakeShellFolders();
  std::unique_ptr<EnvironmentStrings> environment = MakeEnvironmentStrings();
  std::unique_ptr<ShellNamespace> shellNamespace = MakeShellNamespace();
  std::unique_ptr<ShellExec> shell = MakeSystemShellExec();
  std::unique_ptr<PowerStatus> power = MakeSystemPowerStatus();
  std::unique_ptr<NetworkAdapters> adapters = MakeNetworkAdapters();
  std::unique_ptr<ProbeNetwork> probes = MakeProbeNetwork();
  std::unique_ptr<InternetReach> internet = MakeInternetReach();
  std::unique_ptr<UninstallRegistry> registry = MakeUninstallRegistry();
};

}  // namespace

WindowsStartupHost::~WindowsStartupHost() {
  StopGraphics();
}

void WindowsStartupHost::InitCommonControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = 0xFF;
  InitCommonControlsEx(&controls);
}

bool WindowsStartupHost::InitSockets() { return WinsockStarted(); }

void WindowsStartupHost::StartGraphics() {
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr) != Gdiplus::Ok) gdiplusToken_ = 0;
}

void WindowsStartupHost::StopGraphics() {
  if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
  gdiplusToken_ = 0;
}

void WindowsStartupHost::UseLanguage(std::uint16_t languageId) {
  SetRightToLeftReading(ReadsRightToLeft(languageId));
}

void WindowsStartupHost::RunWizard(const LanguageTable& language, OsFacts& facts) {
  const std::wstring captionFace = CaptionFontFace(language.LanguageId(), MajorVersionOf(facts));
  SkinnedMessageView messages(instance_, captionFace);
  WizardFrame frame(instance_, language, messages, captionFace);
  if (!frame.Create(showCommand_)) return;
  messages.SetOwner(frame.Handle());
  WizardFrame& view = frame;
  WindowsPageViews pages(PageContext{instance_, language, captionFace});
  if (!pages.Create(frame.Handle(), frame.PageRect())) return;
  SystemServices system;
  const SoftwareDialog software(programFolder_, *system.environment);
  SoftwareDialogWindow softwareWindow(instance_, language, captionFace);
  WizardAssembly wizard(pages.With(view),
                        WizardServices{language, ini_, facts, programFolder_, *system.accounts, *system.folders,
                                       *system.environment, *system.shellNamespace, system_, *system.shell,
                                       *system.power, *system.adapters, *system.probes, *system.internet,
                                       *system.registry,
                                       [this](const std::wstring& name) { StopRunningTool(name, &messages_); },
                                       [&] { softwareWindow.Run(frame.Handle(), software); }});
  frame.Attach(wizard.Flow());
  pages.Connect(wizard);
  wizard.Run(commandLine_);
}

}  // namespace tvx
