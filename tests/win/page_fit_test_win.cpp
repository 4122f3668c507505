// Every language's texts in the program's windows under Wine: the wizard
// frame, each page filled by its logic as the wizard fills it (and in each
// of its modes), the adapter and software dialogs and every message dialog
// the program shows. Every static text, check box and button caption is
// measured in its own font against its control: a text that needs more
// room than its control has is cut off for the user, and is reported with
// its language, window, key and the pixels it lacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/text.h"
#include "controls/bitmap_button_win.h"
#include "controls/button_look.h"
#include "controls/message_dialog_win.h"
#include "core/language_keys.h"
#include "core/message_dialog.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_internet_reach.h"
#include "fakes/fake_network_adapters.h"
#include "fakes/fake_shell_namespace.h"
#include "fakes/fake_uninstall_registry.h"
#include "fakes/gated_probe_network.h"
#include "fakes/recording_shell.h"
#include "net/ip_list_model.h"
#include "pages/accounts/account_mapping_win.h"
#include "pages/configuration/configuration_win.h"
#include "pages/configuration/software_dialog_win.h"
#include "pages/connection/nt_config_tcp_win.h"
#include "pages/data/select_data_win.h"
#include "pages/intro/intro_win.h"
#include "pages/migration_type/migration_type_win.h"
#include "pages/results/complete_page.h"
#include "pages/results/result_page_win.h"
#include "pages/results/result_texts.h"
#include "pages/shared/run_page_win.h"
#include "pages/store/store_page_win.h"
#include "pages/waiting/ip_list_win.h"
#include "pages/waiting/nt_config_win.h"
#include "support/scratch_folder.h"
#include "ui/wizard_frame_win.h"
#include "view_bench_win.h"

namespace tvx {
namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

// The language file's key of each text, for the report: "SECTION/KEY".
class KeyFinder {
 public:
  explicit KeyFinder(const BenchLanguage& language) {
    for (const LanguageKeyName& name : kLanguageKeys) {
      const std::wstring text = language.ini->Read(language.table.IniPath(), name.section, name.key, 1024);
      if (!text.empty()) keys_.emplace(text, std::wstring(name.section) + L"/" + std::wstring(name.key));
    }
  }
  // The key whose text `text` is or begins with (a text filled in); "?"
  // for a text of the program's own.
  std::wstring KeyOf(const std::wstring& text) const {
    if (auto found = keys_.find(text); found != keys_.end()) return found->second;
    for (const auto& [value, key] : keys_) {
      const std::wstring fixed = value.substr(0, value.find(L'%'));
      if (fixed.size() > 8 && text.starts_with(fixed)) return key;
    }
    return L"?";
  }

 private:
  std::map<std::wstring, std::wstring> keys_;
};

// The pixels `text` needs beyond `box` in `font` with `format` (a single
// line, or wrapped at the box's width), across and down.
SIZE Overflow(HWND window, HFONT font, const std::wstring& text, const RECT& box, UINT format) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  RECT need{0, 0, box.right - box.left, 0};
  DrawTextW(dc, text.c_str(), -1, &need, format | DT_CALCRECT | DT_NOPREFIX);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  // The stand-in fonts under Wine have letters about as wide as the
  // program's Segoe UI but stand taller. So a text's height is counted in
  // lines, each as high as a line of Segoe UI (1.33 times the character
  // height), of which the last one's descenders may touch the box's edge;
  // one line is judged by its width alone.
  const LONG em = metrics.tmHeight - metrics.tmInternalLeading;
  const LONG lines = std::max(1L, (need.bottom + metrics.tmHeight / 2) / std::max(1L, metrics.tmHeight));
  const LONG height = lines == 1 ? 0 : lines * ((em * 133 + 50) / 100) - em / 4 - (box.bottom - box.top);
  return {std::max(0L, need.right - (box.right - box.left)), std::max(0L, height)};
}

// The room a control's text needs beyond its box: a static text wraps at
// its width, a check box's text sits after the box, a bitmap button
// measures its own caption.
SIZE OverflowOf(HWND control) {
  wchar_t className[16] = {};
  GetClassNameW(control, className, 16);
  const std::wstring text = TextOf(control);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  RECT box;
  GetClientRect(control, &box);
  if (text.empty()) return {0, 0};
  if (_wcsicmp(className, L"Static") == 0) {
    if ((style & SS_TYPEMASK) == SS_OWNERDRAW) return {0, 0};
    return Overflow(control, font, text, box, DT_WORDBREAK);
  }
  if (_wcsicmp(className, L"Button") != 0) return {0, 0};
  const LONG kind = style & BS_TYPEMASK;
  if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX) {
    box.left += GetSystemMetrics(SM_CXMENUCHECK) + 4;
    return Overflow(control, font, text, box, (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE);
  }
  auto* button = dynamic_cast<CYBitmapBtn*>(Control::Of(control));
  if (!button) return {0, 0};
  const CYBitmapBtn::CaptionPlace caption = button->PlaceOfCaption();
  return Overflow(control, caption.font, caption.text, caption.box, caption.format);
}

// The visible texts of `window` (a page or a dialog) that do not fit their
// controls: where, which key, by how many pixels, and the text.
std::vector<std::wstring> Misfits(HWND window, const std::wstring& where, const KeyFinder& keys) {
  std::vector<std::wstring> misfits;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) continue;
    // Two pixels either way are within what the stand-in fonts can tell.
    constexpr LONG kSlack = 2;
    const SIZE over = OverflowOf(child);
    if (over.cx <= kSlack && over.cy <= kSlack) continue;
    const std::wstring text = TextOf(child);
    misfits.push_back(where + L", " + keys.KeyOf(text) + L" (control " + std::to_wstring(GetDlgCtrlID(child)) +
                      L"): " + std::to_wstring(over.cx) + L" px too wide, " + std::to_wstring(over.cy) +
                      L" px too high: " + text);
  }
  return misfits;
}

// The message dialogs the program shows: headline, description (MESSAGE
// keys, empty for none) and kind. Texts with places to fill get addresses.
struct MessageCase {
  const wchar_t* title;
  const wchar_t* text;
  std::int32_t kind;
};
constexpr MessageCase kMessageCases[] = {
    {L"WMILANG", L"", kMessageOk},         {L"STARTER", L"", kMessageOk},
    {L"XP", L"", kMessageOk},              {L"PRIVILEGE", L"", kMessageOk},
    {L"EXIT", L"EXITDESC", kMessageYesNo}, {L"EXIT", L"EXITDESC1", kMessageOk},
    {L"EXIT", L"ARCI", kMessageOk},        {L"EXIT", L"LANG", kMessageOk},
    {L"EXIT", L"VER", kMessageOk},         {L"EXIT", L"SCANFAIL", kMessageOk},
    {L"EXIT", L"FILEFAILED", kMessageOk},  {L"EXIT", L"INVALIDFILE", kMessageOk},
    {L"EXIT", L"CONNECTIONCLOSED", kMessageOk},
    {L"REBOOT", L"REBOOTDESC", kMessageYesNo},
    {L"DISK", L"DISKDESC", kMessageOk},    {L"DISKFAIL", L"DISKFAILDESC", kMessageOk},
    {L"ACCOUNT", L"ACCOUNTDESC", kMessageOk},
    {L"CREATE", L"", kMessageNewAccount},  {L"BATTERY", L"", kMessageOkWithBox},
    {L"SCANFAIL", L"", kMessageOk},        {L"LOADFAIL", L"", kMessageOk},
    {L"USBLOAD", L"", kMessageOk},         {L"USBCOPY", L"", kMessageOk},
    {L"NEWSCAN", L"", kMessageYesNo},      {L"RESUME", L"", kMessageYesNo},
    {L"NETCONNECT", L"NTCONFIGTCPWAIT", kMessageWait},
    {L"KEY", L"", kMessageOk},             {L"IPINVALID", L"IPINVALIDDesc", kMessageOk},
    {L"NOSYSTEM", L"", kMessageOk},        {L"PEERASK", L"PEERASKDESC", kMessageYesNo},
};

// The pages of one language, each filled by its logic.
struct LanguagePages {
  explicit LanguagePages(std::uint16_t id) : language(id), face(CaptionFontFace(id, 6)) {}

  std::vector<std::wstring> Check() {
    SkinnedMessageView messages(Instance(), face);
    messages.SetOnOpen(&OnDialogOpened);
    WizardFrame frame(Instance(), language.table, messages, face);
    if (!frame.Create(SW_SHOW)) return {L"no wizard window"};
    messages.SetOwner(frame.Handle());
    const PageContext context{Instance(), language.table, face};
    const KeyFinder keys(language);
    std::vector<std::wstring> cut;
    auto add = [&](HWND window, const std::wstring& name) {
      for (std::wstring& text : Misfits(window, name, keys)) cut.push_back(std::move(text));
    };
    auto check = [&](PageWindow& window, const wchar_t* name) {
      window.Show(true);
      add(window.Handle(), name);
      window.Show(false);
    };
    add(frame.Handle(), L"wizard frame");
    auto make = [&](PageWindow& window) { window.Create(frame.Handle(), frame.PageRect()); };

    IntroWindow intro(context);
    make(intro);
    CIntro introPage(language.table, [] {}, &intro);
    introPage.OnInitDialog();
    check(intro, L"intro");

    MigrationTypeWindow types(context);
    make(types);
    RememberedLooks looks;
    CSelectMigrationType typePage(language.table, looks, &types, {});
    typePage.OnInitDialog();
    check(types, L"migration type");

    StorePageWindow store(context);
    make(store);
    FakeShellNamespace shell;
    CSelectDataStore storePage(StorePageServices{language.table, shell, looks, [] { return std::vector<UsbDrive>{}; }},
                               &store, {});
    storePage.OnInitDialog();
    storePage.Refresh();
    check(store, L"store");

    for (const RunPageKind kind : {RunPageKind::kUsb, RunPageKind::kSending, RunPageKind::kReceiving}) {
      RunPageWindow run(context, kind);
      make(run);
      run.ShowFace(MakeRunPageFace(kind, language.table));
      run.SetStageLine(language.table.GetText({L"RUN", L"SERVERLOAD"}));
      check(run, kind == RunPageKind::kUsb ? L"usb run" : kind == RunPageKind::kSending ? L"send run" : L"receive run");
    }

    OsFacts facts;
    FakeUninstallRegistry registry;
    ResultPageWindow finish(context, true);
    make(finish);
    CFinish finishPage(FinishServices{language.table, messages, *language.ini, registry, {}}, facts, &finish);
    finishPage.OnInitDialog();
    finish.ShowFigures(MakeResultFigures(123456, 1536, L"01:02:03", language.table));
    finish.ShowSecondDescription(language.table.GetText({L"FINISH", L"DESC22"}));
    check(finish, L"finish");

    RecordingShell starts;
    ResultPageWindow complete(context, false);
    make(complete);
    CComplete completePage(CompleteServices{language.table, *language.ini, starts}, facts, &complete);
    completePage.OnInitDialog();
    complete.ShowFigures(MakeResultFigures(123456, 1536, L"01:02:03", language.table));
    check(complete, L"completion");

    DataPageWindow data(context);
    make(data);
    data.SetUpPage(PageSetupOf(language.table, facts.versionCode));
    st_Account account;
    for (auto& size : account.llSize) size = 999'990'000'000;  // the widest sizes: 931.31 GB
    data.ShowCategories(CategoryBoxesOf(account, facts.versionCode, language.table));
    data.ShowAdvanced(false);
    // Six-digit counts beside the widest total.
    data.ShowFigures(FigureTextsOf(999'999, 999'999, 999'990'000'000, language.table));
    check(data, L"data");

    AccountMappingWindow accounts(context);
    make(accounts);
    check(accounts, L"accounts");

    WaitingWindow waiting(context);
    make(waiting);
    FakeNetworkAdapters adapters;
    adapters.adapters = {{L"Ethernet", kIfTypeEthernet, L"198.18.0.9", true, L"{E}"}};
    NTConfigSetup waitingSetup;
    waitingSetup.language = &language.table;
    waitingSetup.messages = &messages;
    waitingSetup.view = &waiting;
    waitingSetup.adapters = &adapters;
    CNTConfig waitingPage(waitingSetup);
    waiting.Connect(waitingPage);
    waitingPage.OnInitDialog();
    check(waiting, L"waiting");
    waiting.ShowAddressMode(true);
    waiting.ShowBubbles(Text({L"NTCONFIG", L"BUBBLE1"}), Text({L"NTCONFIG", L"BUBBLE2"}));
    check(waiting, L"waiting, address");
    waiting.SetOnDialogOpen([&](HWND dialog) {
      add(dialog, L"adapter list");
      PostMessageW(GetDlgItem(dialog, kIPListCancelButton), BM_CLICK, 0, 0);
    });
    IPListModel adapterList(L"198.18.0.9");
    adapterList.Open(adapters, facts.versionCode);
    waiting.RunAdapterList(adapterList);

    ConnectionWindow connection(context);
    make(connection);
    FakeNetworkAdapters table;
    GatedProbeNetwork network;
    NTConfigTCPSetup connectionSetup;
    connectionSetup.language = &language.table;
    connectionSetup.messages = &messages;
    connectionSetup.view = &connection;
    connectionSetup.adapters = &table;
    connectionSetup.network = &network;
    CNTConfigTCP connectionPage(connectionSetup);
    connection.Connect(connectionPage);
    connectionPage.OnInitDialog();  // lays the page out; no search starts
    check(connection, L"connection, searching");
    connection.ShowManualMode(true);
    connection.ShowBubbles(Text({L"NTCONFIGTCP", L"BUBBLE1"}), Text({L"NTCONFIGTCP", L"BUBBLE2"}));
    connection.ShowConfirmWait(FillIn(Text({L"NTCONFIGTCP", L"CONFIRMWAIT"}), {L"198.18.255.254", L"198.18.255.253"}));
    check(connection, L"connection, typed address");

    ConfigurationWindow configuration(context);
    make(configuration);
    FakeEnvironment environment;
    FakeInternetReach internet;
    CConfiguration configurationPage(ConfigurationServices{language.table, *language.ini, L"C:\\\\", starts,
                                                           environment, internet, [] {}},
                                     &configuration);
    configurationPage.OnInitDialog();
    configurationPage.ShowNetworkState();
    check(configuration, L"configuration");

    ScratchFolder folder;
    SoftwareDialog list(folder.Path(), environment);
    SoftwareDialogWindow software(Instance(), language.table, face);
    software.SetOnOpen([&](HWND dialog) {
      add(dialog, L"software list");
      PostMessageW(GetDlgItem(dialog, kSoftwareCloseButton), BM_CLICK, 0, 0);
    });
    software.Run(frame.Handle(), list);

    for (const MessageCase& message : kMessageCases) {
      const auto textOf = [&](const wchar_t* key) {
        return *key ? FillIn(language.ini->Read(language.table.IniPath(), kMessageSection, key, 1024),
                             {L"198.18.255.254", L"198.18.255.253"})
                    : std::wstring();
      };
      ScriptNextDialog([&](HWND dialog) {
        add(dialog, std::wstring(L"message ") + message.title + L"/" + message.text);
        PostMessageW(GetDlgItem(dialog, kMessageRightButton), BM_CLICK, 0, 0);
      }, 50);
      CMessageDlg(language.table, messages, textOf(message.title), textOf(message.text), message.kind, L"")
          .DoModal();
    }
    return cut;
  }

  std::wstring Text(const LanguageKey& key) const { return language.table.GetText(key); }

  BenchLanguage language;
  std::wstring face;
};

TEST(PageFit, EveryLanguageFitsItsPages) {
  GdiplusSession graphics;
  int failures = 0;
  for (const std::uint16_t id : AllLanguageIds()) {
    for (const std::wstring& text : LanguagePages(id).Check()) {
      std::printf("0x%04X %s\n", id, ToUtf8(text).c_str());
      ++failures;
    }
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace tvx
