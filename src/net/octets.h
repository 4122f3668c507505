// The address of the sending PC as the network pages show and take it: four
// separate boxes, one number each.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tvx {

using OctetTexts = std::array<std::wstring, 4>;

// The parts of a dotted address, one per box; parts beyond the fourth are
// dropped and missing ones stay empty.
OctetTexts SplitOctets(std::wstring_view address);

// The four boxes joined with dots, as they are.
std::wstring JoinOctets(const OctetTexts& octets);

enum class OctetCheck {
  kValid,
  kEmptyField,    // some box is empty
  kNotAnOctet,    // some box is not a whole number from 0 to 255
};

struct TypedAddress {
  OctetCheck check = OctetCheck::kEmptyField;
  std::wstring address;  // only when valid
};

// Reads the address the user typed. Each box must hold decimal digits only
// with a value up to 255. The address is written with each number in its
// plain decimal form: a leading zero would make the socket library read the
// number as octal ("010" is 8) and connect somewhere the user did not type.
TypedAddress ReadTypedAddress(const OctetTexts& octets);

}  // namespace tvx
