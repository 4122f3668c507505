// Text inside the program is std::wstring; these functions turn it into the
// exact bytes the outside world expects (UTF-16LE on the wire and in the
// 16-bit files, the ANSI code page in INI files and the log) and back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tvx {

// UTF-16LE bytes of `text`. Where wchar_t is 32 bits wide, characters above
// U+FFFF become surrogate pairs. No byte-order mark is added.
std::string ToUtf16Le(std::wstring_view text);

// Text from UTF-16LE bytes. An odd trailing byte is ignored. Where wchar_t is
// 32 bits wide, valid surrogate pairs are joined; a lone surrogate is kept as
// its own code unit so nothing read is lost.
std::wstring FromUtf16Le(std::string_view bytes);

// The ANSI code page: CP_ACP on Windows, UTF-8 on Linux. Characters the code
// page cannot hold become '?' (Windows' default character).
std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view bytes);

// UTF-8, for command lines, environment values, host file names and
// diagnostics on Linux. Host file names are bytes that need not be valid
// UTF-8, and a name read from a folder must open that same file again: each
// byte that is not part of a valid sequence becomes U+DC80..U+DCFF (a lone
// low surrogate, which valid text never holds), and ToUtf8 turns those back
// into the original byte. Any other lone surrogate is written as U+FFFD.
std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view bytes);

// Case-insensitive comparison as the platform's lstrcmpiW makes it for the
// texts this program compares (file names, switches, service-pack names):
// negative, zero or positive.
int CompareNoCase(std::wstring_view a, std::wstring_view b);
bool EqualsNoCase(std::wstring_view a, std::wstring_view b);

// Upper case of one character and of a text, as the file system folds names:
// a one-to-one simple mapping (ASCII, Latin-1, Latin Extended-A, Greek,
// Cyrillic, full-width Latin). Characters without an upper case of their own,
// and the few whose upper case is a letter of another name (dotless i, long
// s, micro sign), stay as they are: two names fold together only when they
// differ in case alone. The same table on every build.
wchar_t FoldUpper(wchar_t c);
std::wstring ToUpper(std::wstring_view text);

// `text` with each %1 to %9 replaced by the value of that number; a number
// without a value stays as it is. Values are put in as they are.
std::wstring FillIn(std::wstring_view text, const std::vector<std::wstring>& values);

}  // namespace tvx
