#include "peer/peer_options.h"

#include <cwctype>
#include <functional>

#include "base/drive_map.h"
#include "base/ipv4.h"
#include "base/text.h"

namespace tvx {
namespace {

std::optional<bool> YesNo(const std::wstring& value) {
  if (EqualsNoCase(value, L"yes")) return true;
  if (EqualsNoCase(value, L"no")) return false;
  return std::nullopt;
}

// Digits only, within [low, high].
std::optional<long long> Number(const std::wstring& value, long long low, long long high) {
  if (value.empty() || value.size() > 18) return std::nullopt;
  long long result = 0;
  for (const wchar_t c : value) {
    if (c < L'0' || c > L'9') return std::nullopt;
    result = result * 10 + (c - L'0');
  }
  if (result < low || result > high) return std::nullopt;
  return result;
}

constexpr std::uint32_t kTestNetwork = 0xC6120000;  // 198.18.0.0
constexpr std::uint32_t kTestNetworkMask = 0xFFFE0000;  // /15
constexpr std::uint32_t kLoopbackMask = 0xFF000000;  // /8

const wchar_t kAddressRule[] = L"a loopback (127.x.x.x) or test-network (198.18.0.0/15) address";

std::optional<std::uint32_t> PeerAddress(const std::wstring& value) {
  const auto address = ParseIpv4(value);
  if (!address || !IsPeerAddress(*address)) return std::nullopt;
  return address;
}

std::optional<wchar_t> DriveLetter(const std::wstring& value) {
  std::wstring letter = value;
  if (letter.size() == 2 && letter[1] == L':') letter.pop_back();
  if (letter.size() != 1 || !std::iswalpha(letter[0])) return std::nullopt;
  return static_cast<wchar_t>(std::towupper(letter[0]));
}

std::optional<PeerMapping> Mapping(const std::wstring& value) {
  const std::size_t equals = value.find(L'=');
  if (equals == std::wstring::npos || equals == 0 || equals + 1 == value.size()) return std::nullopt;
  PeerMapping mapping;
  mapping.source = value.substr(0, equals);
  const std::wstring target = value.substr(equals + 1);
  if (EqualsNoCase(target, L"exclude")) {
    mapping.kind = PeerMapping::Kind::Exclude;
  } else if (EqualsNoCase(target, L"same")) {
    mapping.kind = PeerMapping::Kind::SameName;
  } else if (target.rfind(L"create:", 0) == 0) {
    mapping.kind = PeerMapping::Kind::Create;
    mapping.target = target.substr(7);
    if (mapping.target.empty()) return std::nullopt;
  } else {
    mapping.kind = PeerMapping::Kind::Account;
    mapping.target = target;
  }
  return mapping;
}

// "address/mask", both dotted, the address one the peer may talk to: the
// search probes every address of that subnet, and every one of them must
// stay inside the same allowed range.
bool IsPeerInterface(const std::wstring& value) {
  const std::size_t slash = value.find(L'/');
  if (slash == std::wstring::npos) return false;
  const auto address = PeerAddress(value.substr(0, slash));
  const auto mask = ParseIpv4(value.substr(slash + 1));
  if (!address || !mask) return false;
  const std::uint32_t range = (*address >> 24) == 127 ? kLoopbackMask : kTestNetworkMask;
  return (*mask & range) == range;
}

using Setter = std::function<std::wstring(PeerOptions&, const std::wstring&)>;

struct OptionRule {
  const wchar_t* name;
  bool takesValue;
  Setter set;  // returns an error text, empty when the value was taken
};

std::wstring SetAnswer(PeerOptions& options, const std::wstring& key, const std::wstring& value) {
  const auto yes = YesNo(value);
  if (!yes) return L"answer must be yes or no";
  options.answers[key] = *yes;
  return {};
}

const std::vector<OptionRule>& Rules() {
  static const std::vector<OptionRule> rules = {
      {L"name", true, [](PeerOptions& o, const std::wstring& v) { o.name = v; return std::wstring(); }},
      {L"role", true,
       [](PeerOptions& o, const std::wstring& v) {
         if (EqualsNoCase(v, L"send")) o.sending = true;
         else if (EqualsNoCase(v, L"receive")) o.sending = false;
         else return std::wstring(L"role must be send or receive");
         return std::wstring();
       }},
      {L"method", true,
       [](PeerOptions& o, const std::wstring& v) {
         if (EqualsNoCase(v, L"network")) o.network = true;
         else if (EqualsNoCase(v, L"usb")) o.network = false;
         else return std::wstring(L"method must be network or usb");
         return std::wstring();
       }},
      {L"drives", true,
       [](PeerOptions& o, const std::wstring& v) {
         o.drives = DriveMap::Parse(ToUtf8(v));
         return o.drives.empty() ? std::wstring(L"no drive in the drive list") : std::wstring();
       }},
      {L"program-folder", true,
       [](PeerOptions& o, const std::wstring& v) {
         if (v.size() < 3 || v[1] != L':' || v[2] != L'\\') return std::wstring(L"program folder must be a path like C:\\Tralvex");
         o.programFolder = v;
         return std::wstring();
       }},
      {L"usb", true,
       [](PeerOptions& o, const std::wstring& v) {
         const auto letter = DriveLetter(v);
         if (!letter) return std::wstring(L"usb takes a drive letter");
         o.usbDrive = *letter;
         return std::wstring();
       }},
      {L"computer", true,
       [](PeerOptions& o, const std::wstring& v) {
         if (v.empty()) return std::wstring(L"empty computer name");
         o.computer = v;
         return std::wstring();
       }},
      {L"user", true, [](PeerOptions& o, const std::wstring& v) { o.user = v; return std::wstring(); }},
      {L"account", true,
       [](PeerOptions& o, const std::wstring& v) {
         const std::size_t colon = v.find(L':');
         PeerAccount account{v.substr(0, colon), colon == std::wstring::npos ? L"" : v.substr(colon + 1)};
         if (account.name.empty()) return std::wstring(L"empty account name");
         o.accounts.push_back(account);
         return std::wstring();
       }},
      {L"language", true,
       [](PeerOptions& o, const std::wstring& v) {
         const auto id = Number(v, 1, 0xFFFF);
         if (!id) return std::wstring(L"language takes a language id such as 1033");
         o.language = static_cast<std::uint16_t>(*id);
         return std::wstring();
       }},
      {L"arch", true,
       [](PeerOptions& o, const std::wstring& v) {
         if (v == L"64") o.arch64 = true;
         else if (v == L"32") o.arch64 = false;
         else return std::wstring(L"arch must be 32 or 64");
         return std::wstring();
       }},
      {L"battery", false, [](PeerOptions& o, const std::wstring&) { o.onBattery = true; return std::wstring(); }},
      {L"port", true,
       [](PeerOptions& o, const std::wstring& v) {
         const auto port = Number(v, 1, 65535);
         if (!port) return std::wstring(L"port must be 1 to 65535");
         o.port = static_cast<unsigned>(*port);
         return std::wstring();
       }},
      {L"connect", true,
       [](PeerOptions& o, const std::wstring& v) {
         if (!PeerAddress(v)) return L"connect takes " + std::wstring(kAddressRule);
         o.connectTo = v;
         return std::wstring();
       }},
      {L"search", true,
       [](PeerOptions& o, const std::wstring& v) {
         if (!IsPeerInterface(v)) {
           return std::wstring(L"search takes an interface such as 127.0.0.10/255.255.255.0 or "
                               L"198.18.0.9/255.255.255.0 whose whole subnet stays on loopback or the test network");
         }
         o.searchFrom = v;
         return std::wstring();
       }},
      {L"listen", true,
       [](PeerOptions& o, const std::wstring& v) {
         if (!PeerAddress(v)) return L"listen takes " + std::wstring(kAddressRule);
         o.listenAddress = v;
         return std::wstring();
       }},
      {L"accept-peer", true,
       [](PeerOptions& o, const std::wstring& v) {
         if (!YesNo(v) && !ParseIpv4(v)) return std::wstring(L"accept-peer takes yes, no or an address");
         o.acceptPeer = v;
         return std::wstring();
       }},
      {L"resume", true, [](PeerOptions& o, const std::wstring& v) { return SetAnswer(o, L"RESUME", v); }},
      {L"new-scan", true, [](PeerOptions& o, const std::wstring& v) { return SetAnswer(o, L"NEWSCAN", v); }},
      {L"restart", true, [](PeerOptions& o, const std::wstring& v) { return SetAnswer(o, L"REBOOT", v); }},
      {L"battery-box", true,
       [](PeerOptions& o, const std::wstring& v) {
         const auto yes = YesNo(v);
         if (!yes) return std::wstring(L"battery-box must be yes or no");
         o.batteryBox = *yes;
         return std::wstring();
       }},
      {L"answer", true,
       [](PeerOptions& o, const std::wstring& v) {
         const std::size_t equals = v.find(L'=');
         if (equals == std::wstring::npos || equals == 0) return std::wstring(L"answer takes KEY=yes or KEY=no");
         return SetAnswer(o, ToUpper(v.substr(0, equals)), v.substr(equals + 1));
       }},
      {L"map", true,
       [](PeerOptions& o, const std::wstring& v) {
         const auto mapping = Mapping(v);
         if (!mapping) return std::wstring(L"map takes NAME=ACCOUNT, NAME=exclude or NAME=create:NEWNAME");
         o.mappings.push_back(*mapping);
         return std::wstring();
       }},
      {L"cut-at", true,
       [](PeerOptions& o, const std::wstring& v) {
         const auto bytes = Number(v, 1, (1LL << 50));
         if (!bytes) return std::wstring(L"cut-at takes a byte count");
         o.cutAtBytes = *bytes;
         return std::wstring();
       }},
      {L"timeout", true,
       [](PeerOptions& o, const std::wstring& v) {
         const auto seconds = Number(v, 1, 86400);
         if (!seconds) return std::wstring(L"timeout takes seconds");
         o.timeoutSeconds = static_cast<int>(*seconds);
         return std::wstring();
       }},
  };
  return rules;
}

const OptionRule* FindRule(const std::wstring& name) {
  for (const OptionRule& rule : Rules())
    if (name == rule.name) return &rule;
  return nullptr;
}

}  // namespace

ParsedPeerOptions ParsePeerOptions(const std::vector<std::wstring>& arguments) {
  ParsedPeerOptions parsed;
  PeerOptions options;
  bool roleGiven = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::wstring& argument = arguments[i];
    if (argument == L"--help" || argument == L"-h") {
      parsed.help = true;
      return parsed;
    }
    if (argument.rfind(L"--", 0) != 0) {
      parsed.error = L"unexpected argument: " + argument;
      return parsed;
    }
    const std::size_t equals = argument.find(L'=');
    const std::wstring name = argument.substr(2, equals == std::wstring::npos ? std::wstring::npos : equals - 2);
    const OptionRule* rule = FindRule(name);
    if (!rule) {
      parsed.error = L"unknown option: --" + name;
      return parsed;
    }
    std::wstring value;
    if (equals != std::wstring::npos) {
      if (!rule->takesValue) {
        parsed.error = L"--" + name + L" takes no value";
        return parsed;
      }
      value = argument.substr(equals + 1);
    } else if (rule->takesValue) {
      if (i + 1 >= arguments.size()) {
        parsed.error = L"--" + name + L" needs a value";
        return parsed;
      }
      value = arguments[++i];
    }
    if (std::wstring error = rule->set(options, value); !error.empty()) {
      parsed.error = L"--" + name + L": " + error;
      return parsed;
    }
    roleGiven = roleGiven || name == L"role";
  }
  if (!roleGiven) {
    parsed.error = L"--role send or --role receive is required";
    return parsed;
  }
  if (!options.network && options.usbDrive == 0) {
    parsed.error = L"the USB method needs --usb with the sandbox drive's letter";
    return parsed;
  }
  if (options.network && !options.sending && options.connectTo.empty() && options.searchFrom.empty()) {
    parsed.error = L"a receiving PC on the network needs --connect or --search";
    return parsed;
  }
  if (options.name.empty()) options.name = options.sending ? L"send" : L"recv";
  parsed.options = std::move(options);
  return parsed;
}

bool IsPeerAddress(std::uint32_t address) {
  return (address & kLoopbackMask) == 0x7F000000 || (address & kTestNetworkMask) == kTestNetwork;
}

bool AcceptsPeer(const PeerOptions& options, const std::wstring& address) {
  if (const auto yes = YesNo(options.acceptPeer)) return *yes;
  return ParseIpv4(address) == ParseIpv4(options.acceptPeer);
}

bool AnswerFor(const PeerOptions& options, const std::wstring& titleKey, bool fallback) {
  const auto it = options.answers.find(ToUpper(titleKey));
  return it == options.answers.end() ? fallback : it->second;
}

std::wstring PeerUsage() {
  return L"tralvex-peer: one PC's side of a migration, without a window.\n"
         L"\n"
         L"  --role send|receive         this PC sends or receives (required)\n"
         L"  --method network|usb        how the data travels (default network)\n"
         L"  --name TEXT                 prefix of the printed lines (default send/recv)\n"
         L"sandbox:\n"
         L"  --drives \"C=/host/c;E=/host/usb\"  drive letters (default TRALVEX_DRIVES)\n"
         L"  --program-folder C:\\Tralvex  the program folder (default TRALVEX_PROGRAM_FOLDER)\n"
         L"  --usb E                     the drive that is a USB drive\n"
         L"  --computer NAME             the computer name (default PC)\n"
         L"  --account NAME[:FULL NAME]  a local account (repeatable; default: C:\\Users\\*)\n"
         L"  --user NAME                 the logged-on user (default: the first account)\n"
         L"  --language ID               user-interface language (default 1033)\n"
         L"  --arch 32|64                the system's architecture (default 64)\n"
         L"  --battery                   the PC runs on battery\n"
         L"network (127.0.0.0/8 and the test network 198.18.0.0/15 only):\n"
         L"  --port N                    the transfer port (default 20101)\n"
         L"  --connect ADDRESS           the sending PC's address, typed in\n"
         L"  --search ADDRESS/MASK       search the subnet of this interface\n"
         L"  --listen ADDRESS            where the sending PC listens (default 127.0.0.1)\n"
         L"  --accept-peer yes|no|ADDRESS  which receiving PC the sending PC's user accepts (default yes)\n"
         L"answers:\n"
         L"  --resume yes|no  --new-scan yes|no  --restart yes|no  --answer KEY=yes|no\n"
         L"  --battery-box yes|no        tick \"don't ask again\" on the battery notice\n"
         L"  --map NAME=ACCOUNT|exclude|create:NEWNAME   where an account's data goes\n"
         L"testing:\n"
         L"  --cut-at BYTES              end abruptly once the received store has this size\n"
         L"  --timeout SECONDS           give up after this long (default 600)\n"
         L"\n"
         L"Exit status 0 only when the migration succeeded.\n";
}

}  // namespace tvx
