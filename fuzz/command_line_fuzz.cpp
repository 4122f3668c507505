// libFuzzer target: splitting a command line. Parts of the tool's command
// lines come from elsewhere (paths, account names), so:
//  - any line splits without reading out of bounds, into no more arguments
//    than it has characters;
//  - arguments quoted by Windows' rules split back into exactly themselves,
//    so no text inside an argument can add, drop or change another.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/command_line.h"
#include "base/text.h"
#include "fuzz_support.h"

namespace {

// One argument after the program, quoted so CommandLineToArgvW gives it back.
void AppendQuoted(std::wstring& line, const std::wstring& arg) {
  line += L' ';
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) {
    line += arg;
    return;
  }
  line += L'"';
  std::size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  std::wstring program = tvx::FromAnsi(input.ConsumeRandomLengthString(60));
  std::vector<std::wstring> args;
  while (input.remaining_bytes() > 0 && args.size() < 16) {
    args.push_back(tvx::FromAnsi(input.ConsumeRandomLengthString(60)));
  }

  // The raw bytes as a line of their own.
  const std::wstring raw = tvx::FromAnsi(std::string(reinterpret_cast<const char*>(data), size));
  const std::vector<std::wstring> split = tvx::SplitCommandLine(raw);
  FUZZ_REQUIRE(raw.empty() ? split.empty() : !split.empty() && split.size() <= raw.size());

  // A program name holds no quote; it is quoted whole when it holds a blank.
  std::erase(program, L'"');
  std::wstring line = program.empty() || program.find_first_of(L" \t") != std::wstring::npos
                          ? L"\"" + program + L"\""
                          : program;
  for (const std::wstring& arg : args) AppendQuoted(line, arg);
  std::vector<std::wstring> expected{program};
  expected.insert(expected.end(), args.begin(), args.end());
  FUZZ_REQUIRE(tvx::SplitCommandLine(line) == expected);
  return 0;
}
