// What the two network run pages are handed: the language, the program
// folder whose store and side files the sending page may clean up, and the
// way to end a tool that still runs when a page goes away.
#pragma once

#include <functional>
#include <string>

#include "base/message_loop.h"
#include "core/language_table.h"
#include "core/wizard_messages.h"

namespace tvx {

struct RunPageServices {
  const LanguageTable& language;
  std::wstring programFolder;
  // Ends a running tool by its executable name (StopRunningTool).
  std::function<void(const std::wstring&)> stopTool;
};

}  // namespace tvx
