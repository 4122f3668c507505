// Splitting a command line into arguments by Windows' rules, so a command
// line the program builds means the same on both platforms.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tvx {

// Arguments as CommandLineToArgvW makes them: blanks separate, double quotes
// group, 2n backslashes before a quote give n and the quote groups, 2n+1 give
// n and a literal quote, "" inside quotes is a literal quote. The first
// argument (the program) ends at the first blank, or at its closing quote.
std::vector<std::wstring> SplitCommandLine(std::wstring_view line);

}  // namespace tvx
