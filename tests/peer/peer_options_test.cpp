#include "peer/peer_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text.h"

namespace tvx {
namespace {

ParsedPeerOptions Parse(std::vector<std::wstring> arguments) { return ParsePeerOptions(arguments); }

TEST(PeerOptions, RefusesWhatWouldLeaveTheSandboxOrTheMachine) {
  struct Case {
    const char* why;
    std::vector<std::wstring> arguments;
  };
  const Case cases[] = {
      {"no role", {L"--method", L"network"}},
      {"unknown role", {L"--role", L"both"}},
      {"a receiving PC with nowhere to connect", {L"--role", L"receive"}},
      {"a connect beyond loopback", {L"--role", L"receive", L"--connect", L"192.168.1.7"}},
      {"a search of a real subnet", {L"--role", L"receive", L"--search", L"10.0.0.5/255.255.255.0"}},
      {"a loopback search whose mask reaches past 127/8", {L"--role", L"receive", L"--search", L"127.0.0.10/0.0.0.0"}},
      {"a search without a mask", {L"--role", L"receive", L"--search", L"127.0.0.10"}},
      {"a connect just past the test network", {L"--role", L"receive", L"--connect", L"198.20.0.1"}},
      {"a test-network search whose mask reaches past /15",
       {L"--role", L"receive", L"--search", L"198.19.0.9/255.252.0.0"}},
      {"a listener on a real address", {L"--role", L"send", L"--listen", L"192.168.1.7"}},
      {"an accept answer that is no address", {L"--role", L"send", L"--accept-peer", L"maybe"}},
      {"USB without the drive", {L"--role", L"send", L"--method", L"usb"}},
      {"a port out of range", {L"--role", L"send", L"--port", L"70000"}},
      {"a port that is not a number", {L"--role", L"send", L"--port", L"20101x"}},
      {"an option without its value", {L"--role", L"send", L"--port"}},
      {"a value for a switch", {L"--role", L"send", L"--battery=yes"}},
      {"an unknown option", {L"--role", L"send", L"--fast"}},
      {"a bare word", {L"--role", L"send", L"now"}},
      {"a yes/no answer that is neither", {L"--role", L"send", L"--resume", L"maybe"}},
      {"a mapping without a target", {L"--role", L"receive", L"--connect", L"127.0.0.1", L"--map", L"bob="}},
      {"a new account without a name", {L"--role", L"receive", L"--connect", L"127.0.0.1", L"--map", L"bob=create:"}},
      {"a program folder that is no program path", {L"--role", L"send", L"--program-folder", L"/tmp/x"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const ParsedPeerOptions parsed = Parse(c.arguments);
    EXPECT_FALSE(parsed.options.has_value());
    EXPECT_FALSE(parsed.error.empty());
  }
}

TEST(PeerOptions, TakesAWholeReceivingPc) {
  const ParsedPeerOptions parsed = Parse({
      L"--role", L"receive", L"--method=usb", L"--usb", L"e:", L"--drives", L"C=/tmp/pc/c;E=/tmp/usb",
      L"--program-folder", L"C:\\Tralvex", L"--computer", L"NEWPC", L"--account", L"carol:Carol King",
      L"--account", L"dave", L"--user", L"dave", L"--language", L"1042", L"--arch", L"32", L"--battery",
      L"--resume", L"no", L"--new-scan", L"YES", L"--answer", L"exit=no", L"--battery-box", L"no",
      L"--map", L"alice=carol", L"--map", L"bob=exclude", L"--map", L"eve=create:evelyn", L"--map", L"zed=same",
      L"--cut-at", L"1000", L"--timeout", L"30", L"--name", L"new"});
  ASSERT_TRUE(parsed.options.has_value()) << ToUtf8(parsed.error);
  const PeerOptions& o = *parsed.options;
  EXPECT_FALSE(o.sending);
  EXPECT_FALSE(o.network);
  EXPECT_EQ(o.usbDrive, L'E');
  ASSERT_EQ(o.drives.size(), 2u);
  EXPECT_EQ(o.drives[1].first, L'E');
  EXPECT_EQ(o.drives[1].second, "/tmp/usb");
  EXPECT_EQ(o.programFolder, L"C:\\Tralvex");
  EXPECT_EQ(o.computer, L"NEWPC");
  EXPECT_EQ(o.accounts, (std::vector<PeerAccount>{{L"carol", L"Carol King"}, {L"dave", L""}}));
  EXPECT_EQ(o.user, L"dave");
  EXPECT_EQ(o.language, 1042);
  EXPECT_FALSE(o.arch64);
  EXPECT_TRUE(o.onBattery);
  EXPECT_FALSE(o.batteryBox);
  EXPECT_EQ(o.cutAtBytes, 1000);
  EXPECT_EQ(o.timeoutSeconds, 30);
  EXPECT_EQ(o.name, L"new");
  using Kind = PeerMapping::Kind;
  EXPECT_EQ(o.mappings, (std::vector<PeerMapping>{{L"alice", Kind::Account, L"carol"},
                                                  {L"bob", Kind::Exclude, L""},
                                                  {L"eve", Kind::Create, L"evelyn"},
                                                  {L"zed", Kind::SameName, L""}}));
  EXPECT_FALSE(AnswerFor(o, L"RESUME", true));
  EXPECT_TRUE(AnswerFor(o, L"NEWSCAN", false));
  EXPECT_FALSE(AnswerFor(o, L"EXIT", true));
  EXPECT_TRUE(AnswerFor(o, L"REBOOT", true)) << "not given: the caller's fallback";
}

TEST(PeerOptions, NamesTheSidesAndKeepsTheProductPort) {
  const ParsedPeerOptions send = Parse({L"--role", L"send"});
  ASSERT_TRUE(send.options.has_value());
  EXPECT_EQ(send.options->name, L"send");
  EXPECT_EQ(send.options->port, 20101u);
  EXPECT_TRUE(send.options->network);
  const ParsedPeerOptions receive = Parse({L"--role", L"receive", L"--search", L"127.0.0.10/255.255.255.0"});
  ASSERT_TRUE(receive.options.has_value());
  EXPECT_EQ(receive.options->name, L"recv");
  EXPECT_EQ(receive.options->searchFrom, L"127.0.0.10/255.255.255.0");
  EXPECT_TRUE(Parse({L"--help"}).help);
}

TEST(PeerOptions, TakesTheTestNetworkAndAnswersForOneReceivingPc) {
  const ParsedPeerOptions send =
      Parse({L"--role", L"send", L"--listen", L"198.18.0.200", L"--accept-peer", L"198.18.0.9"});
  ASSERT_TRUE(send.options.has_value());
  EXPECT_EQ(send.options->listenAddress, L"198.18.0.200");
  EXPECT_TRUE(AcceptsPeer(*send.options, L"198.18.0.9"));
  EXPECT_FALSE(AcceptsPeer(*send.options, L"198.18.0.90"));
  EXPECT_FALSE(AcceptsPeer(*send.options, L""));
  EXPECT_TRUE(AcceptsPeer(*Parse({L"--role", L"send"}).options, L"127.0.0.1"));
  EXPECT_FALSE(AcceptsPeer(*Parse({L"--role", L"send", L"--accept-peer", L"no"}).options, L"127.0.0.1"));

  const ParsedPeerOptions receive =
      Parse({L"--role", L"receive", L"--search", L"198.19.255.9/255.254.0.0", L"--connect", L"198.18.0.200"});
  ASSERT_TRUE(receive.options.has_value());
}

}  // namespace
}  // namespace tvx
