// The activity log held open while the receiving PC takes in a file. Every
// received chunk gets its own log line, and opening the log, entering the
// program folder and closing the log again for each of them cost more than
// writing the store itself. While held, a line is one appending write to the
// open log: lines of other threads, which open the log themselves, still
// never mix inside a line, and a line written is in the file even when the
// program dies right after. Lines look exactly as WriteLog writes them.
#pragma once

#include <string>
#include <string_view>

#include "base/file.h"

namespace tvx {

class HeldLog {
 public:
  // Opens the log in `folder` (the program folder) for the lines to come and
  // makes the folder current, as WriteLog does. When the log cannot be
  // opened, lines go to WriteLog as if it were not held.
  void Hold(const std::wstring& folder) noexcept;
  void Release() noexcept { log_.Close(); }
  bool Held() const { return log_.IsOpen(); }

  // One line: to the held log, or through WriteLog when none is held. A line
  // that cannot be written is lost without a word.
  void Write(std::wstring_view text) noexcept;

 private:
  File log_;
};

}  // namespace tvx
