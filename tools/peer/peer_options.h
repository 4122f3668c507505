// The headless peer's command line: what a user of one PC would click and
// answer, and the sandbox that stands for that PC.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tvx {

// Where the data of one account of the sending PC goes on this PC.
struct PeerMapping {
  enum class Kind { SameName, Account, Exclude, Create };
  std::wstring source;  // account name on the sending PC
  Kind kind = Kind::SameName;
  std::wstring target;  // the local account (Account) or the new name (Create)
  bool operator==(const PeerMapping&) const = default;
};

struct PeerAccount {
  std::wstring name;
  std::wstring fullName;  // empty: the name
  bool operator==(const PeerAccount&) const = default;
};

struct PeerOptions {
  std::wstring name;  // the prefix of every printed line
  bool sending = true;
  bool network = true;

  // The sandbox.
  std::vector<std::pair<wchar_t, std::string>> drives;  // empty: TRALVEX_DRIVES
  std::wstring programFolder;                           // empty: TRALVEX_PROGRAM_FOLDER
  wchar_t usbDrive = 0;                                 // 0: no USB drive
  std::wstring computer = L"PC";
  std::wstring user;                  // the logged-on user; empty: the first account
  std::vector<PeerAccount> accounts;  // empty: the folders under C:\Users
  std::uint16_t language = 1033;
  bool arch64 = true;
  bool onBattery = false;

  // The network: loopback, or the test network of two namespaces.
  unsigned port = 20101;
  std::wstring connectTo;      // the address typed on the connection page
  std::wstring searchFrom;     // "address/mask" of the interface the search starts from
  std::wstring listenAddress;  // where a sending PC listens; empty: 127.0.0.1
  // Which receiving PC the sending PC's user lets have the data: "yes" (any),
  // "no" (none) or one dotted address.
  std::wstring acceptPeer = L"yes";

  // Answers to the questions, by the message's title key.
  std::map<std::wstring, bool> answers;
  bool batteryBox = true;  // "don't ask again" on the battery notice
  std::vector<PeerMapping> mappings;

  // Ends the process at once, as a pulled plug would, when the store being
  // received has reached this many bytes (0: never).
  std::int64_t cutAtBytes = 0;
  int timeoutSeconds = 600;
};

struct ParsedPeerOptions {
  std::optional<PeerOptions> options;  // nothing when the line is wrong
  std::wstring error;                  // why
  bool help = false;
};

ParsedPeerOptions ParsePeerOptions(const std::vector<std::wstring>& arguments);

// The answer the user gives to the question with this title key; `fallback`
// when the command line does not say.
bool AnswerFor(const PeerOptions& options, const std::wstring& titleKey, bool fallback);

// The only addresses the peer talks to: 127.0.0.0/8 and the test network
// 198.18.0.0/15 (host order).
bool IsPeerAddress(std::uint32_t address);

// Whether the sending PC's user accepts the receiving PC at `address`.
bool AcceptsPeer(const PeerOptions& options, const std::wstring& address);

// The usage text.
std::wstring PeerUsage();

}  // namespace tvx
