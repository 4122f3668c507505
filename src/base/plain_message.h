// The few fixed English message boxes of the program (low-level failures that
// happen before or outside the skinned dialogs). On Linux the text goes to
// standard error. Tests replace the sink so nothing waits for a click.
#pragma once

#include <functional>
#include <string_view>

namespace tvx {

enum class PlainIcon { None, Error };

void ShowPlainMessage(std::wstring_view text, std::wstring_view caption = {},
                      PlainIcon icon = PlainIcon::None);

using PlainMessageSink = std::function<void(std::wstring_view text, std::wstring_view caption)>;
// Replaces where the messages go; an empty sink restores the platform's own.
void SetPlainMessageSink(PlainMessageSink sink);

}  // namespace tvx
