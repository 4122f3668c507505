// Start-up and shut-down of the program: one copy only, the language, the
// environment checks, the OS facts written to PCInfo.txt, then the wizard.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/ini_file.h"
#include "core/language_table.h"
#include "core/message_view.h"
#include "core/os_facts.h"
#include "core/version_class.h"
#include "platform/system_info.h"

namespace tvx {

// What start-up asks of the window side of the platform.
class StartupHost {
 public:
  virtual ~StartupHost() = default;
  virtual void InitCommonControls() = 0;
  // Starts the sockets layer; false when it cannot.
  virtual bool InitSockets() = 0;
  virtual void StartGraphics() = 0;
  virtual void StopGraphics() = 0;
  // The language every window from now on is drawn in (its reading order);
  // told once, before the first message or window.
  virtual void UseLanguage(std::uint16_t /*languageId*/) {}
  // Where refusals are shown.
  virtual MessageView& Messages() = 0;
  // Runs the wizard (wizard_assembly.h) until it closes, with the language
  // and the facts start-up prepared.
  virtual void RunWizard(const LanguageTable& language, OsFacts& facts) = 0;
};

class CTralvexApp {
 public:
  CTralvexApp(StartupHost& host, SystemInfo& system, IniFile& ini, std::wstring programFolder);

  // The start-up sequence; the wizard runs inside it. Always false: the
  // program has no message loop of its own and ends when this returns.
  bool InitInstance();
  // Stops what start-up started; the exit code.
  int ExitInstance();

  const OsFacts& Facts() const { return facts_; }
  OsFacts& Facts() { return facts_; }
  const LanguageTable& Language() const { return language_; }
  const std::wstring& ProgramFolder() const { return programFolder_; }

 private:
  // Each returns true when start-up must stop.
  bool PrepareLanguage();
  bool CheckEnvironment();
  void Refuse(MessageKey headline);

  StartupHost& host_;
  SystemInfo& system_;
  IniFile& ini_;
  std::wstring programFolder_;
  LanguageTable language_;
  OsFacts facts_;
  bool graphicsStarted_ = false;
};

}  // namespace tvx
