// The peer's printed lines: every page, stage, percentage, question and
// result of the run, one line each, prefixed with the peer's name so two
// peers' output can be read side by side ("[send] page 2 data").
#pragma once

#include <string>

namespace tvx {

class PeerReport {
 public:
  explicit PeerReport(std::wstring name) : name_(std::move(name)) {}

  // Prints "[name] text" and flushes at once.
  void Line(const std::wstring& text) const;
  // A percentage, printed only when it differs from the last one printed
  // (the pages hear the same figure every few seconds).
  void Percent(int percent);
  const std::wstring& Name() const { return name_; }

 private:
  std::wstring name_;
  int lastPercent_ = -1;
};

// "data", "store drive" … for page index 0 to 12.
const wchar_t* PageName(int page);
// The stage of kMsgWizardStage as the run pages title it on this side.
std::wstring StageName(int stage, bool sending);

}  // namespace tvx
