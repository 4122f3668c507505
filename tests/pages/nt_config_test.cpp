#include "pages/waiting/nt_config.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/async_socket.h"
#include "base/file.h"
#include "base/path.h"
#include "core/activity_log.h"
#include "fakes/fake_network_adapters.h"
#include "fakes/key_name_language.h"
#include "fakes/recording_net_page_views.h"
#include "fakes/recording_target.h"
#include "fakes/scripted_message_view.h"
#include "net/server_control.h"
#include "pages/data/select_data.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

constexpr std::uint64_t kMoreThanAnyDisk = std::uint64_t{1} << 62;

// Tells whether the page said it was busy while a message was up.
class ObservingMessageView final : public MessageView {
 public:
  std::function<void()> onShow;
  std::vector<MessageFace> faces;
  void RunModal(CMessageDlg& dialog, const MessageFace& face) override {
    faces.push_back(face);
    if (onShow) onShow();
    dialog.OnRightButton(false);
  }
  void EndModal() override {}
  void ShowPlainNotice(const std::wstring&) override {}
};

class NTConfigTest : public testing::Test {
 protected:
  NTConfigTest() {
    adapters_.adapters = {{L"Wireless LAN", kIfTypeWireless, L"10.0.0.5", true, L"{W}"},
                          {L"Ethernet", kIfTypeEthernet, L"192.168.1.20", false, L"{E}"}};
    ServerSetup server;
    server.wizard = wizard_.Handle();
    server.runPage = runPage_.Handle();
    server.facts = kFacts;
    server.programFolder = folder_.Path();
    server.listenAddress = L"127.0.0.1";
    server_ = std::make_unique<CServerControl>(server);
  }

  CNTConfig& Page(unsigned port = 0, MessageView* messages = nullptr) {
    NTConfigSetup setup;
    setup.wizard = wizard_.Handle();
    setup.facts = kFacts;
    setup.programFolder = folder_.Path();
    setup.port = port;
    setup.language = &names_.language;
    setup.messages = messages != nullptr ? messages : &messages_;
    setup.view = &view_;
    setup.adapters = &adapters_;
    setup.server = server_.get();
    page_ = std::make_unique<CNTConfig>(setup);
    page_->OnInitDialog();
    return *page_;
  }
  // Delivers what the page posted.
  static void Settle() { MessageLoop::RunUntil([] { return false; }, 50); }
  std::vector<std::pair<WParam, LParam>> Navigation() const {
    std::vector<std::pair<WParam, LParam>> calls;
    for (const auto& m : wizard_.messages)
      if (m.msg == kMsgWizardNav) calls.emplace_back(m.w, m.l);
    return calls;
  }
  bool WaitingMode() const {
    return !view_.addressMode && view_.bubble1 == L"NTCONFIG/BUBBLE3" && view_.bubble2 == L"NTCONFIG/BUBBLE2";
  }
  std::string Log() const {
    std::string bytes;
    ReadWholeFile(JoinPath(folder_.Path(), kLogFileName), bytes);
    return bytes;
  }

  static constexpr OsFacts kFacts{kVersion61, 48, kArch64, 1033};
  ScratchFolder folder_;
  KeyNameLanguage names_;
  ScriptedMessageView messages_;
  RecordingNTConfigView view_;
  FakeNetworkAdapters adapters_;
  RecordingTarget wizard_, runPage_;
  std::unique_ptr<CServerControl> server_;
  std::unique_ptr<CNTConfig> page_;
};

TEST_F(NTConfigTest, StartShowsTheWiredAddressListensAndWaits) {
  WriteWholeFile(JoinPath(folder_.Path(), kLogFileName), "an earlier run\r\n");
  CNTConfig& page = Page();
  page.SetSelectedSize(2048);
  EXPECT_EQ(page.Start(), kNetPageReady);
  Settle();

  EXPECT_TRUE(page.Initialised());
  EXPECT_EQ(page.Octets(), (OctetTexts{L"192", L"168", L"1", L"20"}));
  EXPECT_EQ(view_.octets, (OctetTexts{L"192", L"168", L"1", L"20"}));
  EXPECT_NE(server_->ListenPort(), 0u);
  EXPECT_TRUE(WaitingMode());
  EXPECT_TRUE(view_.Animating());
  EXPECT_EQ(Navigation(), (std::vector<std::pair<WParam, LParam>>{{0, 0}}));
  EXPECT_TRUE(messages_.faces.empty());
  // The log starts afresh with the disk check: 2 KB selected need 3 KB.
  const std::string log = Log();
  EXPECT_EQ(log.find("an earlier run"), std::string::npos);
  EXPECT_NE(log.find("Source selected data size:3.00, "), std::string::npos);
}

TEST_F(NTConfigTest, FailedStartsSayWhyAndLeaveTheWizardsButtonsAlone) {
  struct Row {
    const char* name;
    bool adaptersReadable;
    bool portTaken;
    std::uint64_t selected;
    const wchar_t* title;
    const wchar_t* text;
  };
  const Row rows[] = {
      {"no adapter address", false, false, 0, L"NTCONFIG/FINDFAIL", L""},
      {"listening fails", true, true, 0, L"NTCONFIG/FINDFAIL", L""},
      {"disk too small", true, false, kMoreThanAnyDisk, L"MESSAGE/DISKFAIL", L"MESSAGE/DISKFAILDESC"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    AsyncSocket taken;
    unsigned port = 0;
    if (row.portTaken) {
      ASSERT_TRUE(taken.Create(0, L"127.0.0.1") && taken.Listen());
      port = taken.LocalPort();
    }
    adapters_.adaptersReadable = row.adaptersReadable;
    wizard_.messages.clear();
    messages_.faces.clear();
    view_ = RecordingNTConfigView();

    CNTConfig& page = Page(port);
    page.SetSelectedSize(row.selected);
    EXPECT_EQ(page.Start(), kNetPageFailed);
    Settle();
    ASSERT_EQ(messages_.faces.size(), 1u);
    EXPECT_EQ(messages_.faces[0].title, row.title);
    EXPECT_EQ(messages_.faces[0].text, row.text);
    EXPECT_FALSE(page.Initialised());
    // The wizard stays on the data page, whose Back and Next must still work.
    EXPECT_TRUE(Navigation().empty());
    EXPECT_FALSE(view_.Animating());
  }

  // Once the cause is gone, a start finds the address and listens.
  CNTConfig& page = Page();
  EXPECT_EQ(page.Start(), kNetPageReady);
  EXPECT_EQ(page.Octets()[3], L"20");
  EXPECT_NE(server_->ListenPort(), 0u);
}

TEST_F(NTConfigTest, ALaterStartAfterTheAddressWasShownRepeatsOnlyTheDiskCheck) {
  CNTConfig& page = Page();
  ASSERT_EQ(page.Start(), kNetPageReady);
  const unsigned port = server_->ListenPort();
  page.OnAddressButton();
  EXPECT_FALSE(view_.Animating());
  EXPECT_TRUE(view_.addressMode);
  EXPECT_EQ(view_.bubble1, L"NTCONFIG/BUBBLE1");
  EXPECT_EQ(view_.bubble2, L"NTCONFIG/BUBBLE2");

  // Back from a lost connection: the adapters may have changed meanwhile.
  adapters_.adapters = {{L"Ethernet", kIfTypeEthernet, L"172.16.0.9", false, L"{X}"}};
  EXPECT_EQ(page.Start(), kNetPageReady);
  EXPECT_EQ(page.Octets(), (OctetTexts{L"192", L"168", L"1", L"20"}));
  EXPECT_EQ(server_->ListenPort(), port);
  // The wait is shown again, with the waiting bubble.
  EXPECT_TRUE(WaitingMode());

  page.SetSelectedSize(kMoreThanAnyDisk);
  EXPECT_EQ(page.Start(), kNetPageFailed);
  ASSERT_EQ(messages_.faces.size(), 1u);
  EXPECT_EQ(messages_.faces[0].title, L"MESSAGE/DISKFAIL");
  EXPECT_TRUE(page.Initialised());
  EXPECT_EQ(server_->ListenPort(), port);
}

TEST_F(NTConfigTest, TheAdapterDialogReplacesTheAddressOnlyWithOk) {
  CNTConfig& page = Page();
  ASSERT_EQ(page.Start(), kNetPageReady);

  view_.adapterRow = 0;  // the wireless adapter
  view_.adapterOk = false;
  page.OnAdapterButton();
  EXPECT_EQ(page.Octets(), (OctetTexts{L"192", L"168", L"1", L"20"}));

  view_.adapterOk = true;
  page.OnAdapterButton();
  EXPECT_EQ(view_.adapterPresets, (std::vector<std::wstring>{L"192.168.1.20", L"192.168.1.20"}));
  ASSERT_EQ(view_.adapterRows.size(), 2u);
  EXPECT_EQ(view_.adapterRows[0].kind, L"Wireless");
  EXPECT_EQ(page.Octets(), (OctetTexts{L"10", L"0", L"0", L"5"}));
  EXPECT_EQ(view_.octets[0], L"10");
  EXPECT_EQ(view_.octets[3], L"5");

  // OK with nothing selected keeps what is shown.
  view_.adapterRow = static_cast<std::size_t>(-1);
  page.OnAdapterButton();
  EXPECT_EQ(page.Octets(), (OctetTexts{L"10", L"0", L"0", L"5"}));
}

TEST_F(NTConfigTest, ThePageIsBusyOnlyWhileItStarts) {
  ObservingMessageView messages;
  CNTConfig& page = Page(0, &messages);
  std::vector<bool> busyWhileShown;
  messages.onShow = [&] { busyWhileShown.push_back(page.Busy()); };
  page.SetSelectedSize(kMoreThanAnyDisk);
  EXPECT_EQ(page.Start(), kNetPageFailed);
  EXPECT_EQ(busyWhileShown, std::vector<bool>{true});
  EXPECT_FALSE(page.Busy());
}

}  // namespace
}  // namespace tvx
