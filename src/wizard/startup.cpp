#include "wizard/startup.h"

#include <utility>

#include "base/path.h"
#include "base/plain_message.h"
#include "core/message_dialog.h"
#include "profile/pc_info.h"

namespace tvx {
namespace {

MessageKey RefusalHeadline(Refusal refusal) {
  switch (refusal) {
    case Refusal::Starter: return L"STARTER";
    case Refusal::Legacy: return L"XP";
    case Refusal::Privilege: return L"PRIVILEGE";
    case Refusal::None: break;
  }
  return {};
}

}  // namespace

CTralvexApp::CTralvexApp(StartupHost& host, SystemInfo& system, IniFile& ini,
                         std::wstring programFolder)
    : host_(host), system_(system), ini_(ini), programFolder_(std::move(programFolder)),
      language_(ini) {}

bool CTralvexApp::InitInstance() {
  host_.InitCommonControls();
  if (!host_.InitSockets()) ShowPlainMessage(L"Sockets Could Not Be Initialized");
  if (!system_.AcquireSingleInstance()) return false;
  host_.StartGraphics();
  graphicsStarted_ = true;
  if (PrepareLanguage()) return false;
  if (CheckEnvironment()) return false;
  const std::wstring profile = JoinPath(programFolder_, kPcInfoName);
  PreparePcInfo(profile);
  WriteOsSection(ini_, profile, facts_);
  host_.RunWizard(language_, facts_);
  return false;
}

int CTralvexApp::ExitInstance() {
  if (graphicsStarted_) host_.StopGraphics();
  graphicsStarted_ = false;
  return 0;
}

bool CTralvexApp::PrepareLanguage() {
  const bool refused = language_.Prepare(LanguageFolder(programFolder_),
                                         HelpFolder(programFolder_),
                                         system_.UserDefaultUiLanguage());
  host_.UseLanguage(language_.LanguageId());
  if (refused) Refuse(L"WMILANG");
  return refused;
}

bool CTralvexApp::CheckEnvironment() {
  const VersionRecord version = system_.ReadVersion();
  if (!version.extendedOk && !version.basicOk) {
    ShowPlainMessage(L"GetVersionEx Function Failure", L"ERROR", PlainIcon::Error);
  }
  facts_.versionCode = ClassifyVersion(facts_.versionCode, version);

  const OsQueryResult query = system_.QueryOperatingSystem();
  if (const wchar_t* failure = OsQueryFailureText(query.status)) ShowPlainMessage(failure);
  for (const OsObject& object : query.objects) ApplyOsObject(facts_, object);
  if (OsQueryCounts(query.status)) facts_.uiLanguage = system_.UserDefaultUiLanguage();

  Refusal refusal = Refusal::None;
  if (facts_.sku == 5 || facts_.sku == 88) refusal = Refusal::Starter;
  else if (facts_.versionCode == kVersionRefused) refusal = Refusal::Legacy;
  else if (!system_.IsAdministrator()) refusal = Refusal::Privilege;
  if (refusal == Refusal::None) return false;
  Refuse(RefusalHeadline(refusal));
  return true;
}

void CTralvexApp::Refuse(MessageKey headline) {
  ShowMessage(language_, host_.Messages(), headline, {}, kMessageOk);
}

}  // namespace tvx
