// libFuzzer target: the readers of the files the state-migration tool writes
// (its progress file with percentages, sizes and the result, and its UTF-16
// file list). The tool may write anything, cut anywhere, so:
//  - reading a percentage in polls while the file grows gives the value and
//    position of reading it once at the end, and a position only moves
//    forward to the start of a line;
//  - lines in front that hold no key change no result (and move the file's
//    content across the readers' buffer boundaries);
//  - a value taken from a line is a piece of that line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/text.h"
#include "engine/progress_files.h"
#include "fuzz_support.h"

namespace {

using tvx::fuzz::AppendScratch;
using tvx::fuzz::ScratchFile;

// Lines without any key, `length` bytes in all, ending in a line end.
std::string Padding(std::size_t length) {
  std::string pad;
  while (pad.size() + 1 < length) pad += pad.size() % 61 == 60 ? '\n' : 'x';
  return pad + '\n';
}

void CheckPolling(std::string_view bytes, std::size_t polls) {
  bool opened = false;
  std::int64_t position = 0;
  std::int64_t read = -1;
  const std::wstring path = ScratchFile(L"progress.txt", {});
  const std::wstring once = tvx::ReadNewPercent(ScratchFile(L"whole.txt", bytes), position, opened);
  FUZZ_REQUIRE(opened);
  const std::int64_t oncePosition = position;

  position = 0;
  std::wstring latest;
  std::size_t written = 0;
  for (std::size_t poll = 1; poll <= polls; ++poll) {
    const std::size_t upTo = bytes.size() * poll / polls;
    AppendScratch(path, bytes.substr(written, upTo - written));
    written = upTo;
    const std::int64_t before = position;
    std::wstring value = tvx::ReadNewPercent(path, position, opened, &read);
    FUZZ_REQUIRE(opened);
    FUZZ_REQUIRE(read == static_cast<std::int64_t>(written) - before);
    FUZZ_REQUIRE(position >= before && position <= static_cast<std::int64_t>(written));
    FUZZ_REQUIRE(position == 0 || bytes[static_cast<std::size_t>(position) - 1] == '\n');
    // A poll that passes a percentage line reports it, even an empty one.
    if (position != before) latest = std::move(value);
    else FUZZ_REQUIRE(value.empty());
  }
  FUZZ_REQUIRE(latest == once && position == oncePosition);
}

void CheckPadding(std::string_view bytes, std::size_t padLength) {
  const std::string pad = Padding(padLength);
  const std::string padded = pad + std::string(bytes);
  bool opened = false;
  const int result = tvx::ReadResult(ScratchFile(L"progress.txt", bytes), opened);
  FUZZ_REQUIRE(opened && (result == 0 || result == 1));
  FUZZ_REQUIRE(tvx::ReadResult(ScratchFile(L"padded.txt", padded), opened) == result);

  std::int64_t megabytes = 0;
  std::int64_t paddedMegabytes = -1;
  FUZZ_REQUIRE(tvx::ReadSizeMB(ScratchFile(L"progress.txt", bytes), megabytes) == 0);
  FUZZ_REQUIRE(tvx::ReadSizeMB(ScratchFile(L"padded.txt", padded), paddedMegabytes) == 0);
  FUZZ_REQUIRE(megabytes == paddedMegabytes);

  // The file list is UTF-16LE: the same padding as whole units.
  const std::int64_t lines = tvx::CountListLines(ScratchFile(L"list.txt", bytes));
  FUZZ_REQUIRE(lines >= 0 && lines <= static_cast<std::int64_t>(bytes.size() / 2));
  std::int64_t padLines = 0;
  for (char c : pad) padLines += c == '\n';
  const std::string wide = tvx::ToUtf16Le(tvx::FromAnsi(pad));
  FUZZ_REQUIRE(tvx::CountListLines(ScratchFile(L"list.txt", wide + std::string(bytes))) == lines + padLines);
}

void CheckValues(std::string_view bytes, std::size_t seed) {
  const std::wstring text = tvx::FromAnsi(bytes);
  for (std::size_t at = 0, step = 1 + seed % 7; at <= text.size(); at += step) {
    const std::wstring value = tvx::ExtractValue(text, at);
    FUZZ_REQUIRE(value.size() <= text.size() && text.find(value) != std::wstring::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 2), size - 2);
  CheckPolling(bytes, 1 + data[0] % 6);
  CheckPadding(bytes, 1 + data[1] * 37u % 8200);
  CheckValues(bytes.substr(0, 200), data[0]);
  return 0;
}
