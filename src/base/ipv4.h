// Dotted IPv4 addresses as the program types and shows them ("192.168.0.7"),
// to and from the 32-bit value in host order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tvx {

// Exactly four decimal parts of 0 to 255 separated by dots; nothing else
// (no spaces, signs, hexadecimal or shortened forms).
std::optional<std::uint32_t> ParseIpv4(std::wstring_view text);
std::wstring FormatIpv4(std::uint32_t address);
// The address a socket binds to: empty text means any address (0).
std::optional<std::uint32_t> ParseBindAddress(std::wstring_view text);

}  // namespace tvx
