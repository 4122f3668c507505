// libFuzzer target: the rule-file reader and the pattern forms it feeds.
// Any bytes must give a result without crashing, hanging or reading out of
// bounds, and every pattern text found must be safe to parse further.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "statetool/pattern_form.h"
#include "statetool/xml_patterns.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const tvx::RuleFileScan scan = tvx::ExtractPatterns(bytes);
  for (const tvx::PatternRule& rule : scan.rules) {
    if (const auto target = tvx::ParsePatternText(rule.text)) {
      tvx::TargetCovers(*target, target->folder + L"\\" + target->leaf);
    }
  }
  return 0;
}
