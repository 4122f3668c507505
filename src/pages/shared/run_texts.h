// The changing texts of the run pages: percentages, the time left of the
// store transfer, and the stage line of each network stage.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/language_keys.h"

namespace tvx {

// "%d%%": the value as it was sent, without limits.
std::wstring PercentText(std::int32_t percent);

// "%02d:%02d:%02d" of a count of seconds; hours are not cut at a day. A
// negative count reads as 0.
std::wstring TimeLeftText(std::int64_t seconds);

// The USB page's new percentage label for what the progress reader gave:
// nothing when it found no new line ("") or no file ("NOT FOUND", in any
// case), so the label keeps its last text.
std::optional<std::wstring> UsbPercentLabel(const std::wstring& readText);

// The RUN text of a stage on the sending or receiving network page; nothing
// for a stage the page does not show. Stage 332 on the sending page has its
// own handling and is not in the table.
std::optional<LanguageKey> SendingStageKey(int stage);
std::optional<LanguageKey> ReceivingStageKey(int stage);

}  // namespace tvx
