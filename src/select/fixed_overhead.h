// The room every selection is given on top of its files: 250 MiB for the
// system plus 20 MiB for each account of the sending PC.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tvx {

constexpr std::uint64_t kSelectionBaseOverhead = 262144000;   // 250 MiB
constexpr std::uint64_t kSelectionAccountOverhead = 20971520;  // 20 MiB
// What the total shows before the first computation.
constexpr std::uint64_t kInitialSelectionTotal = 314572800;   // 300 MiB

// Counted in 64 bits: a 32-bit sum would turn negative from about ninety
// accounts on and the total would become an absurd size.
constexpr std::uint64_t FixedOverhead(std::size_t accountCount) {
  return kSelectionBaseOverhead + kSelectionAccountOverhead * accountCount;
}

}  // namespace tvx
