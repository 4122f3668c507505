// The two network pages in the wizard window under Wine, in English and
// Korean: the sending PC's waiting page with its adapter dialog, and the
// receiving PC's connection page searching, finding and taking a typed
// address. Nothing leaves the machine: the adapters and probes are fakes,
// the sending controller listens on loopback and the receiving one is a
// recorder.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/ipv4.h"
#include "base/win.h"
#include "fakes/fake_network_adapters.h"
#include "fakes/gated_probe_network.h"
#include "fakes/recording_connector.h"
#include "fakes/recording_target.h"
#include "net/server_control.h"
#include "pages/connection/nt_config_tcp_win.h"
#include "pages/shared/net_page_controls.h"
#include "pages/waiting/nt_config_win.h"
#include "support/scratch_folder.h"
#include "page_bench_win.h"

#include <commctrl.h>

namespace tvx {
namespace {

// Types `keys` as a keyboard would: each character to whichever field has the focus.
void Type(const std::wstring& keys) {
  for (wchar_t key : keys) {
    SendMessageW(GetFocus(), WM_CHAR, key, 1);
    PumpFor(10);
  }
}

class NetPages : public PageBench {
 protected:
  void SetUp() override {
    PageBench::SetUp();
    messages_.SetOnOpen(&OnDialogOpened);
  }
  using PageBench::Shoot;
  // Saves a dialog as screenshots/<name>_eng.png (or _kor).
  void Shoot(HWND dialog, const std::string& name) {
    PumpFor(250);
    SaveScreenshot(dialog, name + (GetParam() == 1042 ? "_kor" : "_eng"));
  }
  static OctetTexts Fields(HWND page) {
    OctetTexts fields;
    for (std::size_t octet = 0; octet < 4; ++octet) fields[octet] = TextOf(GetDlgItem(page, kCtlOctets[octet]));
    return fields;
  }

  ScratchFolder folder_;
  RecordingTarget wizard_;
};

TEST_P(NetPages, WaitingPageShowsTheAddressAndTakesAnotherAdapter) {
  FakeNetworkAdapters adapters;
  adapters.adapters = {{L"Wireless LAN", kIfTypeWireless, L"10.0.0.5", true, L"{W}"},
                       {L"Ethernet", kIfTypeEthernet, L"192.168.1.20", false, L"{E}"}};
  RecordingTarget runPage;
  ServerSetup serverSetup;
  serverSetup.wizard = wizard_.Handle();
  serverSetup.runPage = runPage.Handle();
  serverSetup.programFolder = folder_.Path();
  serverSetup.listenAddress = L"127.0.0.1";
  CServerControl server(serverSetup);
  auto window = MakePage<WaitingWindow>();
  window->SetOnDialogOpen(&OnDialogOpened);
  CNTConfig page(NTConfigSetup{wizard_.Handle(), OsFacts{}, folder_.Path(), 0, &language_.table, &messages_,
                               window.get(), &adapters, &server});
  window->Connect(page);
  page.OnInitDialog();
  HWND waiting = window->Handle();

  // Not enough room on the disk: the page says so and stays unready.
  page.SetSelectedSize(std::uint64_t{1} << 62);
  std::wstring title;
  ScriptNextDialog([&](HWND dialog) {
    title = TextOf(GetDlgItem(dialog, kMessageTitleText));
    Shoot(dialog, "net_waiting_disk_full");
    SendMessageW(GetDlgItem(dialog, kMessageRightButton), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(page.Start(), kNetPageFailed);
  EXPECT_EQ(title, Text({L"MESSAGE", L"DISKFAIL"}));

  page.SetSelectedSize(2048);
  ASSERT_EQ(page.Start(), kNetPageReady);
  EXPECT_TRUE(Visible(waiting, kCtlWaitAnimation));
  EXPECT_TRUE(Visible(waiting, kCtlAddressButton));
  EXPECT_FALSE(Visible(waiting, kCtlOctets[0]));
  EXPECT_FALSE(Visible(waiting, kCtlAdapterButton));
  EXPECT_EQ(TextOf(GetDlgItem(waiting, kCtlBubble1)), Text({L"NTCONFIG", L"BUBBLE3"}));
  Shoot("net_waiting");

  Click(waiting, kCtlAddressButton);
  EXPECT_FALSE(Visible(waiting, kCtlWaitAnimation));
  EXPECT_FALSE(Visible(waiting, kCtlAddressButton));
  EXPECT_TRUE(Visible(waiting, kCtlAdapterButton));
  EXPECT_EQ(TextOf(GetDlgItem(waiting, kCtlBubble1)), Text({L"NTCONFIG", L"BUBBLE1"}));
  for (int id : kCtlOctets) EXPECT_TRUE(Visible(waiting, id));
  EXPECT_EQ(Fields(waiting), (OctetTexts{L"192", L"168", L"1", L"20"}));
  Shoot("net_waiting_address");

  // The adapter dialog lists both adapters; choosing the wireless one shows its address.
  int rows = 0;
  std::wstring secondAddress;
  ScriptNextDialog([&](HWND dialog) {
    HWND list = GetDlgItem(dialog, kIPListRows);
    rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    wchar_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
    secondAddress = text;
    LVITEMW select{};
    select.stateMask = LVIS_SELECTED;
    select.state = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
    Shoot(dialog, "net_adapter_list");
    SendMessageW(GetDlgItem(dialog, kIPListOkButton), BM_CLICK, 0, 0);
  });
  Click(waiting, kCtlAdapterButton);
  EXPECT_EQ(rows, 2);
  EXPECT_EQ(secondAddress, L"192.168.1.20");
  EXPECT_EQ(Fields(waiting), (OctetTexts{L"10", L"0", L"0", L"5"}));
  Shoot("net_waiting_other_adapter");
  page.OnDestroy();
}

// The connection page over a fake subnet: this PC is 127.0.0.10/24.
class ConnectionBench {
 public:
  ConnectionBench(ConnectionWindow& window, const LanguageTable& language, MessageView& messages,
                  const ScratchFolder& folder, TargetHandle wizard) {
    adapters.table = {{ParseIpv4(L"127.0.0.10").value(), ParseIpv4(L"255.255.255.0").value(), kIfTypeEthernet}};
    NTConfigTCPSetup setup;
    setup.wizard = wizard;
    setup.programFolder = folder.Path();
    setup.language = &language;
    setup.messages = &messages;
    setup.view = &window;
    setup.adapters = &adapters;
    setup.network = &network;
    setup.connector = &connector;
    page = std::make_unique<CNTConfigTCP>(setup);
    window.Connect(*page);
    page->OnInitDialog();
  }
  ~ConnectionBench() {
    network.Release();
    page->OnDestroy();
  }

  FakeNetworkAdapters adapters;
  GatedProbeNetwork network;
  RecordingConnector connector;
  std::unique_ptr<CNTConfigTCP> page;
};

TEST_P(NetPages, ConnectionPageSearchesAndConnectsToTheSendingPcFound) {
  auto window = MakePage<ConnectionWindow>();
  ConnectionBench bench(*window, language_.table, messages_, folder_, wizard_.Handle());
  HWND connection = window->Handle();
  bench.network.accepting = {ParseIpv4(L"127.0.0.12").value()};
  bench.network.Hold();
  ASSERT_EQ(bench.page->Start(), kSearchStarted);
  ASSERT_TRUE(bench.network.WaitUntilWaiting(1));
  EXPECT_TRUE(Visible(connection, kCtlSearchAnimation));
  EXPECT_TRUE(Visible(connection, kCtlCancelSearch));
  EXPECT_TRUE(Visible(connection, kCtlRetrySearch));
  EXPECT_FALSE(Visible(connection, kCtlOctets[0]));
  EXPECT_EQ(TextOf(GetDlgItem(connection, kCtlWaitText)), Text({L"NTCONFIGTCP", L"IPSEARCH"}));
  Shoot("net_connection_searching");

  bench.network.Release();
  ASSERT_TRUE(PumpUntil([&] { return !bench.page->Searching(); }, 10000));
  ASSERT_EQ(bench.connector.calls.size(), 1u);
  EXPECT_EQ(bench.connector.calls[0].address, L"127.0.0.12");
  EXPECT_TRUE(Visible(connection, kCtlConfirmWait));
  EXPECT_NE(TextOf(GetDlgItem(connection, kCtlConfirmWait)).find(L"127.0.0.12"), std::wstring::npos);
  Shoot("net_connection_found");
}

TEST_P(NetPages, ConnectionPageTakesATypedAddressDigitByDigit) {
  auto window = MakePage<ConnectionWindow>();
  ConnectionBench bench(*window, language_.table, messages_, folder_, wizard_.Handle());
  HWND connection = window->Handle();
  bench.network.Hold();
  ASSERT_EQ(bench.page->Start(), kSearchStarted);
  ASSERT_TRUE(bench.network.WaitUntilWaiting(1));
  Click(connection, kCtlCancelSearch);
  EXPECT_TRUE(bench.page->ManualMode());
  for (int id : kCtlOctets) EXPECT_TRUE(Visible(connection, id));
  EXPECT_FALSE(Visible(connection, kCtlSearchAnimation));
  EXPECT_FALSE(Visible(connection, kCtlCancelSearch));
  EXPECT_EQ(TextOf(GetDlgItem(connection, kCtlBubble1)), Text({L"NTCONFIGTCP", L"BUBBLE1"}));

  // A full field hands the focus on; letters do not go in.
  SetFocus(GetDlgItem(connection, kCtlOctets[0]));
  Type(L"1234x");
  EXPECT_EQ(Fields(connection), (OctetTexts{L"123", L"4", L"", L""}));
  EXPECT_EQ(GetFocus(), GetDlgItem(connection, kCtlOctets[1]));

  // An empty field: the page asks for all four parts and connects nowhere.
  std::wstring title;
  ScriptNextDialog([&](HWND dialog) {
    title = TextOf(GetDlgItem(dialog, kMessageTitleText));
    SendMessageW(GetDlgItem(dialog, kMessageRightButton), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(bench.page->Connect(), kConnectStay);
  EXPECT_EQ(title, Text({L"MESSAGE", L"KEY"}));
  EXPECT_TRUE(bench.connector.calls.empty());

  for (int id : kCtlOctets) SetWindowTextW(GetDlgItem(connection, id), L"");
  SetFocus(GetDlgItem(connection, kCtlOctets[0]));
  Type(L"127");
  Type(L"0");
  SetFocus(GetDlgItem(connection, kCtlOctets[2]));
  Type(L"0");
  SetFocus(GetDlgItem(connection, kCtlOctets[3]));
  Type(L"010");
  EXPECT_EQ(Fields(connection), (OctetTexts{L"127", L"0", L"0", L"010"}));
  Shoot("net_connection_manual");
  // "010" goes out as 10, not as the octal 8 the socket library would read.
  EXPECT_EQ(bench.page->Connect(), kConnectUnderWay);
  ASSERT_EQ(bench.connector.calls.size(), 1u);
  EXPECT_EQ(bench.connector.calls[0].address, L"127.0.0.10");
  EXPECT_TRUE(bench.connector.calls[0].wait);
  EXPECT_TRUE(Visible(connection, kCtlConfirmWait));
  Shoot("net_connection_manual_connecting");
}

TVX_PAGE_LANGUAGES(NetPages);

}  // namespace
}  // namespace tvx
