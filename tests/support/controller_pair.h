// The two network controllers of a transfer side by side in one process,
// talking over loopback, each PC with its own program folder and recording
// wizard and run page. No tool folder: for the conversation up to the capture.
#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "base/file.h"
#include "base/ini_file.h"
#include "base/message_loop.h"
#include "base/path.h"
#include "core/language_table.h"
#include "core/os_facts.h"
#include "fakes/fake_uninstall_registry.h"
#include "fakes/looping_message_view.h"
#include "fakes/recording_target.h"
#include "net/client_control.h"
#include "net/controller_messages.h"
#include "net/server_control.h"
#include "profile/pc_info.h"
#include "support/scratch_folder.h"

namespace tvx {

struct ControllerPair {
  explicit ControllerPair(const OsFacts& sending, const OsFacts& receiving) {
    MakeFolderPath(JoinPath(oldProgram, L"x64"));
    MakeFolderPath(JoinPath(newProgram, L"x64"));
    WriteOsSection(*ini, JoinPath(oldProgram, kPcInfoName), sending);
    WriteWholeFile(JoinPath(oldProgram, L"x64\\MigCustom.xml"), "<migration/>");

    ServerSetup s;
    s.wizard = oldWizard.Handle();
    s.runPage = oldRunPage.Handle();
    s.facts = sending;
    s.programFolder = oldProgram;
    s.registry = &registry;
    server = std::make_unique<CServerControl>(s);
    server->StartListening(0);
    serverSetup = s;

    ClientSetup c;
    c.wizard = newWizard.Handle();
    c.runPage = newRunPage.Handle();
    c.facts = receiving;
    c.currentUiLanguage = receiving.uiLanguage;
    c.programFolder = newProgram;
    c.port = server->ListenPort();
    c.ini = ini.get();
    c.language = &language;
    c.view = &view;
    client = std::make_unique<CClientControl>(c);
    clientSetup = c;
  }

  // From now on the sending PC's user is asked about each receiving PC, and
  // answers from serverView; both controllers start afresh.
  void AskOnSendingPc() {
    ServerSetup s = serverSetup;
    s.view = &serverView;
    s.language = &language;
    client.reset();
    server = std::make_unique<CServerControl>(s);
    server->StartListening(0);
    clientSetup.port = server->ListenPort();
    client = std::make_unique<CClientControl>(clientSetup);
  }

  static bool Has(const RecordingTarget& target, unsigned msg, WParam w) {
    return std::any_of(target.messages.begin(), target.messages.end(),
                       [&](const RecordingTarget::Message& m) { return m.msg == msg && m.w == w; });
  }
  // Runs the loop for a while, whatever arrives.
  static void RunFor(int milliseconds) { MessageLoop::RunUntil([] { return false; }, milliseconds); }

  ScratchFolder folder;
  std::wstring oldProgram = folder.Join(L"Old");
  std::wstring newProgram = folder.Join(L"New");
  std::unique_ptr<IniFile> ini = MakeIniFile();
  LanguageTable language{*ini};
  LoopingMessageView view;
  LoopingMessageView serverView;
  FakeUninstallRegistry registry;
  RecordingTarget oldWizard, oldRunPage, newWizard, newRunPage;
  std::unique_ptr<CServerControl> server;
  std::unique_ptr<CClientControl> client;
  // The receiving PC's setup, for another receiving controller beside it.
  ClientSetup clientSetup;
  ServerSetup serverSetup;
};

}  // namespace tvx
