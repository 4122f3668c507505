// Facts about this PC's operating system, recorded once at start-up and read
// everywhere afterwards; they also travel to the other PC in PCInfo.txt.
#pragma once

#include <cstdint>

namespace tvx {

// Version classes of versionCode.
constexpr std::int32_t kVersionUnclassified = 0;
constexpr std::int32_t kVersionWorkstation51 = 1;  // 5.1 with Service Pack 2 or 3
constexpr std::int32_t kVersion60 = 2;
constexpr std::int32_t kVersion61 = 3;
constexpr std::int32_t kVersionRefused = 5;

// Architecture codes of archCode.
constexpr std::int32_t kArchUnread = 0;
constexpr std::int32_t kArch32 = 7;
constexpr std::int32_t kArch64 = 8;

struct OsFacts {
  std::int32_t versionCode = 0;
  std::int32_t sku = 0;
  std::int32_t archCode = 0;
  std::uint16_t uiLanguage = 0;
};

// The system's major version as the program tells the legacy workstation
// from later systems (fonts, account pictures).
inline unsigned MajorVersionOf(const OsFacts& facts) {
  return facts.versionCode == kVersionWorkstation51 ? 5 : 6;
}

}  // namespace tvx
