#include "pages/connection/nt_config_tcp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/async_socket.h"
#include "base/ipv4.h"
#include "base/text.h"
#include "fakes/fake_network_adapters.h"
#include "fakes/gated_probe_network.h"
#include "fakes/key_name_language.h"
#include "fakes/looping_message_view.h"
#include "fakes/recording_connector.h"
#include "fakes/recording_net_page_views.h"
#include "fakes/recording_target.h"
#include "fakes/scripted_message_view.h"
#include "net/client_control.h"
#include "pages/data/select_data.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

std::uint32_t Ip(const wchar_t* text) { return ParseIpv4(text).value(); }

// Every search here runs over loopback addresses: this PC is 127.0.0.10/24.
class NTConfigTCPTest : public testing::Test {
 protected:
  NTConfigTCPTest() {
    adapters_.table = {{Ip(L"127.0.0.1"), Ip(L"255.0.0.0"), kIfTypeLoopback},
                       {Ip(L"127.0.0.10"), Ip(L"255.255.255.0"), kIfTypeEthernet}};
  }
  ~NTConfigTCPTest() override { network_.Release(); }

  NTConfigTCPSetup Setup(ProbeNetwork& network) {
    NTConfigTCPSetup setup;
    setup.wizard = wizard_.Handle();
    setup.programFolder = folder_.Path();
    setup.language = &names_.language;
    setup.messages = &messages_;
    setup.view = &view_;
    setup.adapters = &adapters_;
    setup.network = &network;
    setup.connector = &connector_;
    return setup;
  }
  CNTConfigTCP& Page() {
    page_ = std::make_unique<CNTConfigTCP>(Setup(network_));
    page_->OnInitDialog();
    return *page_;
  }
  // Runs the loop until the page has handled the end of its last search.
  bool RunUntilSearchEnded() {
    return MessageLoop::RunUntil([this] { return !page_->Searching(); }, 10000);
  }
  static void Settle() { MessageLoop::RunUntil([] { return false; }, 50); }

  std::pair<WParam, LParam> LastNavigation() const {
    std::pair<WParam, LParam> last{9, 9};
    for (const auto& m : wizard_.messages)
      if (m.msg == kMsgWizardNav) last = {m.w, m.l};
    return last;
  }
  bool SearchingLook() const {
    return view_.manualMode == 0 && view_.Animating() && view_.bubble1 == L"NTCONFIGTCP/BUBBLE3" &&
           view_.bubble2 == L"NTCONFIGTCP/BUBBLE4";
  }
  bool ManualLook() const {
    return view_.manualMode == 1 && !view_.Animating() && view_.bubble1 == L"NTCONFIGTCP/BUBBLE1" &&
           view_.bubble2 == L"NTCONFIGTCP/BUBBLE2";
  }
  std::vector<std::wstring> Titles() const {
    std::vector<std::wstring> titles;
    for (const MessageFace& face : messages_.faces) titles.push_back(face.title);
    return titles;
  }
  void Type(std::initializer_list<const wchar_t*> octets) {
    std::size_t i = 0;
    for (const wchar_t* octet : octets) view_.typed[i++] = octet;
  }

  ScratchFolder folder_;
  KeyNameLanguage names_;
  ScriptedMessageView messages_;
  RecordingNTConfigTCPView view_;
  FakeNetworkAdapters adapters_;
  GatedProbeNetwork network_;
  RecordingConnector connector_;
  RecordingTarget wizard_;
  std::unique_ptr<CNTConfigTCP> page_;
};

TEST_F(NTConfigTCPTest, TheSearchConnectsToTheNearestSendingPcWithoutWaiting) {
  network_.accepting = {Ip(L"127.0.0.12"), Ip(L"127.0.0.8")};
  CNTConfigTCP& page = Page();
  ASSERT_EQ(page.Start(), kSearchStarted);
  EXPECT_TRUE(SearchingLook());
  ASSERT_TRUE(RunUntilSearchEnded());

  // In the order .9, .11, .8, .12: the first to accept is the one.
  ASSERT_EQ(connector_.calls.size(), 1u);
  EXPECT_EQ(connector_.calls[0].address, L"127.0.0.8");
  EXPECT_FALSE(connector_.calls[0].wait);
  EXPECT_TRUE(messages_.faces.empty());
  // The page keeps searching's look while the conversation starts.
  EXPECT_FALSE(page.ManualMode());
  EXPECT_EQ(LastNavigation(), (std::pair<WParam, LParam>{0, 0}));
}

TEST_F(NTConfigTCPTest, NoSendingPcOrAFailedConnectLeadsToTypingTheAddress) {
  struct Row {
    const char* name;
    std::set<std::uint32_t> accepting;
    int connectResult;
    std::size_t connects;
    bool failsLater;  // refused, or closed by a busy sending PC, after the connect call
  };
  const Row rows[] = {
      {"nothing found", {}, 0, 0, false},
      {"connect failed", {Ip(L"127.0.0.9")}, 1, 1, false},
      {"connect failed later", {Ip(L"127.0.0.9")}, 0, 1, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    network_.accepting = row.accepting;
    connector_ = RecordingConnector();
    connector_.result = row.connectResult;
    messages_.faces.clear();
    CNTConfigTCP& page = Page();
    ASSERT_EQ(page.Start(), kSearchStarted);
    ASSERT_TRUE(RunUntilSearchEnded());
    if (row.failsLater) connector_.watcher.Post(kMsgConnectFailed);
    Settle();
    EXPECT_EQ(connector_.calls.size(), row.connects);
    ASSERT_EQ(Titles(), std::vector<std::wstring>{L"MESSAGE/NOSYSTEM"});
    EXPECT_EQ(messages_.faces[0].text, L"");
    EXPECT_TRUE(page.ManualMode());
    EXPECT_TRUE(ManualLook());
    EXPECT_EQ(LastNavigation(), (std::pair<WParam, LParam>{1, 1}));
  }
}

TEST_F(NTConfigTCPTest, CancelDuringTheSearchMeansNoConnectWhenItEnds) {
  network_.accepting = {Ip(L"127.0.0.9")};
  network_.Hold();
  CNTConfigTCP& page = Page();
  ASSERT_EQ(page.Start(), kSearchStarted);
  ASSERT_TRUE(network_.WaitUntilWaiting(1));

  page.OnCancel();
  EXPECT_TRUE(ManualLook());
  network_.Release();
  ASSERT_TRUE(RunUntilSearchEnded());
  Settle();
  // The probe under way found the sending PC, but the user had said no.
  EXPECT_TRUE(connector_.calls.empty());
  EXPECT_TRUE(messages_.faces.empty());
  EXPECT_TRUE(ManualLook());
  EXPECT_EQ(network_.Sessions(), 1);
}

TEST_F(NTConfigTCPTest, RetryStartsTheNextSearchOnlyOnceTheRunningOneHasEnded) {
  network_.accepting = {Ip(L"127.0.0.9")};
  network_.Hold();
  CNTConfigTCP& page = Page();
  ASSERT_EQ(page.Start(), kSearchStarted);
  ASSERT_TRUE(network_.WaitUntilWaiting(1));

  page.OnRetry();
  page.OnRetry();
  EXPECT_EQ(network_.Sessions(), 1);
  EXPECT_TRUE(page.Searching());

  network_.Release();
  ASSERT_TRUE(RunUntilSearchEnded());
  // Two searches, never side by side; the stopped one's find was dropped and
  // the new one connected to what it found itself.
  EXPECT_EQ(network_.Sessions(), 2);
  EXPECT_EQ(network_.MostOpenSessions(), 1);
  ASSERT_EQ(connector_.calls.size(), 1u);
  EXPECT_EQ(connector_.calls[0].address, L"127.0.0.9");
  EXPECT_TRUE(messages_.faces.empty());
  EXPECT_TRUE(SearchingLook());

  // Retry with no search running starts one at once.
  network_.accepting.clear();
  page.OnRetry();
  EXPECT_TRUE(page.Searching());
  ASSERT_TRUE(RunUntilSearchEnded());
  EXPECT_EQ(network_.Sessions(), 3);
  EXPECT_EQ(Titles(), std::vector<std::wstring>{L"MESSAGE/NOSYSTEM"});
}

TEST_F(NTConfigTCPTest, EnteringThePageAgainEndsTheSearchLeftRunning) {
  network_.Hold();
  CNTConfigTCP& page = Page();
  ASSERT_EQ(page.Start(), kSearchStarted);
  ASSERT_TRUE(network_.WaitUntilWaiting(1));
  page.OnCancel();
  page.OnRetry();  // back to searching, with the old probe still held

  // The probe in the old search ends a moment after the page asks for a new start.
  std::thread release([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    network_.Release();
  });
  EXPECT_EQ(page.Start(), kSearchStarted);
  release.join();
  ASSERT_TRUE(RunUntilSearchEnded());
  EXPECT_EQ(network_.Sessions(), 2);
  EXPECT_EQ(network_.MostOpenSessions(), 1);
  EXPECT_EQ(Titles(), std::vector<std::wstring>{L"MESSAGE/NOSYSTEM"});
}

TEST_F(NTConfigTCPTest, WithoutAnInterfaceToSearchFromTheAddressIsTyped) {
  adapters_.table = {{Ip(L"127.0.0.1"), Ip(L"255.0.0.0"), kIfTypeLoopback}};
  CNTConfigTCP& page = Page();
  EXPECT_EQ(page.Start(), kNoSearchInterface);
  Settle();
  EXPECT_EQ(network_.Sessions(), 0);
  EXPECT_FALSE(page.Searching());
  EXPECT_TRUE(ManualLook());
  EXPECT_TRUE(messages_.faces.empty());
}

TEST_F(NTConfigTCPTest, NextChecksTheTypedOctetsBeforeConnecting) {
  struct Row {
    std::initializer_list<const wchar_t*> typed;
    const wchar_t* title;  // empty: no message
    const wchar_t* text;
    const wchar_t* connectedTo;  // empty: no connect
  };
  const Row rows[] = {
      {{L"127", L"0", L"0", L"7"}, L"", L"", L"127.0.0.7"},
      {{L"127", L"0", L"00", L"012"}, L"", L"", L"127.0.0.12"},
      {{L"127", L"0", L"0", L""}, L"MESSAGE/KEY", L"", L""},
      {{L"", L"256", L"0", L"1"}, L"MESSAGE/KEY", L"", L""},
      {{L"256", L"0", L"0", L"1"}, L"MESSAGE/IPINVALID", L"MESSAGE/IPINVALIDDesc", L""},
      {{L"127", L"0", L"0", L"-1"}, L"MESSAGE/IPINVALID", L"MESSAGE/IPINVALIDDesc", L""},
      {{L"127", L"x", L"0", L"1"}, L"MESSAGE/IPINVALID", L"MESSAGE/IPINVALIDDesc", L""},
  };
  adapters_.table.clear();  // no search: straight to typing
  CNTConfigTCP& page = Page();
  page.Start();
  for (const Row& row : rows) {
    SCOPED_TRACE(ToUtf8(std::wstring(*row.typed.begin()) + L"." + row.typed.begin()[3]));
    messages_.faces.clear();
    connector_.calls.clear();
    Type(row.typed);
    const bool connects = *row.connectedTo != L'\0';
    EXPECT_EQ(page.Connect(), connects ? kConnectUnderWay : kConnectStay);
    if (*row.title == L'\0') {
      EXPECT_TRUE(messages_.faces.empty());
    } else {
      ASSERT_EQ(messages_.faces.size(), 1u);
      EXPECT_EQ(messages_.faces[0].title, row.title);
      EXPECT_EQ(messages_.faces[0].text, row.text);
    }
    if (connects) {
      ASSERT_EQ(connector_.calls.size(), 1u);
      EXPECT_EQ(connector_.calls[0].address, row.connectedTo);
      EXPECT_TRUE(connector_.calls[0].wait);
    } else {
      EXPECT_TRUE(connector_.calls.empty());
    }
  }

  // The controller's own failure keeps the page where it is.
  connector_.result = 1;
  Type({L"127", L"0", L"0", L"7"});
  EXPECT_EQ(page.Connect(), kConnectStay);
  EXPECT_EQ(connector_.calls.size(), 1u);
}

TEST_F(NTConfigTCPTest, AFullOctetFieldHandsTheFocusOn) {
  CNTConfigTCP& page = Page();
  page.OnOctetChanged(0, L"1");
  page.OnOctetChanged(0, L"19");
  page.OnOctetChanged(0, L"192");
  page.OnOctetChanged(1, L"168");
  page.OnOctetChanged(2, L"0");
  page.OnOctetChanged(3, L"255");  // the last field has nowhere to go
  EXPECT_EQ(view_.focused, (std::vector<std::size_t>{1, 2}));
}

// Real sockets on loopback only: a listener the test starts on 127.0.0.12 is
// found by the page's search and the receiving controller connects to it.
TEST_F(NTConfigTCPTest, ASearchOverLoopbackFindsTheListenerAndConnectsToIt) {
  AsyncSocket listener;
  ASSERT_TRUE(listener.Create(0, L"127.0.0.12") && listener.Listen());
  const unsigned port = listener.LocalPort();

  std::unique_ptr<ProbeNetwork> network = MakeProbeNetwork();
  FakeIniFile ini;
  LoopingMessageView waitView;
  ClientSetup client;
  client.wizard = wizard_.Handle();
  client.runPage = wizard_.Handle();
  client.facts = OsFacts{kVersion61, 48, kArch64, 1033};
  client.programFolder = folder_.Path();
  client.port = port;
  client.ini = &ini;
  client.language = &names_.language;
  client.view = &waitView;
  CClientControl controller(client);
  ClientConnector connector(controller);

  NTConfigTCPSetup setup = Setup(*network);
  setup.port = port;
  setup.probeWaitMicroseconds = 300000;
  setup.connector = &connector;
  CNTConfigTCP page(setup);
  ASSERT_EQ(page.Start(), kSearchStarted);

  RecordingTarget ticker;  // keeps the loop checking while sockets work
  ticker.SetTimer(1, 50);
  const bool connected = MessageLoop::RunUntil(
      [&] { return !page.Searching() && controller.Socket().PeerAddress() == L"127.0.0.12"; }, 20000);
  EXPECT_TRUE(connected);
  EXPECT_TRUE(messages_.faces.empty());
  EXPECT_TRUE(waitView.kinds.empty());  // a found peer is connected without the wait dialog
}

}  // namespace
}  // namespace tvx
