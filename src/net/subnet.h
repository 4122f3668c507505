// The arithmetic of the subnet search: which mask texts it accepts, which
// addresses it tries, and in which order.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tvx {

// The value the socket library's address parser gives a text of one to four
// dotted numbers ("a", "a.b", "a.b.c", "a.b.c.d", the last number filling the
// remaining bytes); all ones for anything it cannot read.
std::uint32_t AddressTextValue(std::wstring_view text);

// Ones from the top and zeros below them (0 and all ones included).
bool IsContiguousMask(std::uint32_t mask);

// A mask text the search accepts: digits and dots only, at most three dots,
// every number below 256, and a contiguous value.
bool IsAcceptedMaskText(std::wstring_view text);

// Whether `candidate` lies in the subnet of `own` under `mask`.
bool InSameSubnet(std::uint32_t candidate, std::uint32_t own, std::uint32_t mask);

// The addresses the search tries, nearest first: the last octet runs
// own-1, own+1, own-2, own+2, ... within the block the mask's last octet
// gives, the own address left out; the first three octets stay.
std::vector<std::uint32_t> ProbeOrder(std::uint32_t own, std::uint32_t mask);

}  // namespace tvx
