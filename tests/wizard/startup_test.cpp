#include "wizard/startup.h"

#include <gtest/gtest.h>

#include "base/path.h"
#include "base/plain_message.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_system_info.h"
#include "fakes/scripted_message_view.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

class FakeHost final : public StartupHost {
 public:
  void InitCommonControls() override { steps += L"controls "; }
  bool InitSockets() override {
    steps += L"sockets ";
    return socketsOk;
  }
  void StartGraphics() override { steps += L"graphics "; }
  void StopGraphics() override { steps += L"stop-graphics "; }
  MessageView& Messages() override { return view; }
  void RunWizard(const LanguageTable&, OsFacts&) override { steps += L"wizard "; }

  bool socketsOk = true;
  std::wstring steps;
  ScriptedMessageView view;
};

class Startup : public testing::Test {
 protected:
  void SetUp() override {
    SetPlainMessageSink([this](std::wstring_view text, std::wstring_view) {
      plain.emplace_back(text);
    });
    const std::wstring lang = L"[MESSAGE]\r\nSTARTER=starter\r\nXP=legacy\r\nPRIVILEGE=admin\r\n"
                              L"WMILANG=language\r\n";
    ini.Put(JoinPath(folder.Path(), L"Lang\\LangENG.ini"), lang);
    ini.Put(JoinPath(folder.Path(), L"Lang\\LangRUS.ini"), L"[MESSAGE]\r\nWMILANG=russian\r\n");
    host.view.script = {ScriptedMessageView::Right()};
  }
  void TearDown() override { SetPlainMessageSink({}); }

  std::wstring Profile() const { return ini.TextOf(JoinPath(folder.Path(), L"PCInfo.txt")); }
  std::wstring Headline() const {
    return host.view.faces.empty() ? L"(none)" : host.view.faces.front().title;
  }

  ScratchFolder folder;
  FakeIniFile ini;
  FakeSystemInfo system;
  FakeHost host;
  std::vector<std::wstring> plain;
  CTralvexApp app{host, system, ini, folder.Path()};
};

TEST_F(Startup, AcceptedSystemWritesItsFactsAndRunsTheWizard) {
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(host.steps, L"controls sockets graphics wizard ");
  EXPECT_EQ(Profile(), L"[OS]\r\nOSVER=0\r\nOSSKU=48\r\nOSARCI=8\r\nLANG=1033\r\n");
  EXPECT_TRUE(host.view.faces.empty());
  EXPECT_EQ(app.ExitInstance(), 0);
  EXPECT_EQ(host.steps, L"controls sockets graphics wizard stop-graphics ");
}

TEST_F(Startup, SecondCopyEndsSilently) {
  system.firstInstance = false;
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(host.steps, L"controls sockets ");
  EXPECT_EQ(system.versionReads, 0);
  EXPECT_TRUE(host.view.faces.empty());
  EXPECT_FALSE(ini.Has(JoinPath(folder.Path(), L"PCInfo.txt")));
}

TEST_F(Startup, RefusalsStopBeforeTheFactsAreWritten) {
  struct Row {
    const char* what;
    std::int32_t sku;
    VersionRecord version;
    bool admin;
    const wchar_t* headline;
    int adminTests;
  };
  const Row rows[] = {
      {"starter SKU 11 before the version test", 11, {true, false, 5, 0, 0, L""}, true,
       L"starter", 0},
      {"starter SKU 88", 88, {true, false, 6, 1, 0, L""}, true, L"starter", 0},
      {"legacy version", 1, {true, false, 5, 1, 0, L"Service Pack 1"}, true, L"legacy", 0},
      {"not an administrator", 1, {true, false, 6, 1, 0, L""}, false, L"admin", 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    FakeSystemInfo fake;
    fake.query.objects = {OsObject{true, L"32-bit", row.sku}};
    fake.version = row.version;
    fake.administrator = row.admin;
    FakeHost refusingHost;
    refusingHost.view.script = {ScriptedMessageView::Right()};
    FakeIniFile files;
    files.Put(JoinPath(folder.Path(), L"Lang\\LangENG.ini"),
              L"[MESSAGE]\r\nSTARTER=starter\r\nXP=legacy\r\nPRIVILEGE=admin\r\n");
    CTralvexApp refusing(refusingHost, fake, files, folder.Path());
    EXPECT_FALSE(refusing.InitInstance());
    ASSERT_EQ(refusingHost.view.faces.size(), 1u);
    EXPECT_EQ(refusingHost.view.faces[0].title, row.headline);
    EXPECT_EQ(refusingHost.view.faces[0].text, L"");
    EXPECT_EQ(fake.adminTests, row.adminTests);
    EXPECT_EQ(refusingHost.steps.find(L"wizard"), std::wstring::npos);
    EXPECT_FALSE(files.Has(JoinPath(folder.Path(), L"PCInfo.txt")));
    if (row.sku == 11) {
      EXPECT_EQ(refusing.Facts().sku, 5);
    }
  }
}

TEST_F(Startup, RefusedLanguageShowsItsHeadlineFromItsOwnFile) {
  system.uiLanguage = 1049;
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(Headline(), L"russian");
  EXPECT_EQ(system.versionReads, 0);
  EXPECT_EQ(Profile(), L"");
}

TEST_F(Startup, LanguageWithoutItsFileReadsEnglish) {
  system.uiLanguage = 1050;  // refused, and its file is not installed
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(Headline(), L"language");
}

TEST_F(Startup, UnreachableManagementServiceLeavesArchitectureAndLanguageUnread) {
  struct Row {
    OsQueryStatus status;
    const wchar_t* message;
    const wchar_t* profile;
  };
  const Row rows[] = {
      {OsQueryStatus::LocatorFailed, L"Failed to create IWbemLocator object",
       L"[OS]\r\nOSVER=0\r\nOSSKU=0\r\nOSARCI=0\r\nLANG=0\r\n"},
      {OsQueryStatus::NamespaceFailed, L"WMI initialize failed: Bad namespace!",
       L"[OS]\r\nOSVER=0\r\nOSSKU=0\r\nOSARCI=0\r\nLANG=0\r\n"},
      {OsQueryStatus::QueryFailed, L"ExecQuery() Error!!",
       L"[OS]\r\nOSVER=0\r\nOSSKU=0\r\nOSARCI=0\r\nLANG=1033\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.message)));
    FakeSystemInfo fake;
    fake.query = {row.status, {}};
    FakeHost quietHost;
    FakeIniFile files;
    plain.clear();
    CTralvexApp started(quietHost, fake, files, folder.Path());
    started.InitInstance();
    EXPECT_EQ(plain, std::vector<std::wstring>{row.message});
    EXPECT_EQ(fake.adminTests, 1);
    EXPECT_EQ(files.TextOf(JoinPath(folder.Path(), L"PCInfo.txt")), row.profile);
  }
}

TEST_F(Startup, FailuresOfSocketsAndVersionAreReportedAndStartUpGoesOn) {
  host.socketsOk = false;
  system.version = VersionRecord{};
  app.InitInstance();
  EXPECT_EQ(plain, (std::vector<std::wstring>{L"Sockets Could Not Be Initialized",
                                              L"GetVersionEx Function Failure"}));
  EXPECT_NE(host.steps.find(L"wizard"), std::wstring::npos);
}

}  // namespace
}  // namespace tvx
