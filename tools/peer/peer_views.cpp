#include "peer/peer_views.h"


namespace tvx {

void HeadlessStoreView::SetDriveCaption(int option, const std::wstring& caption) {
  std::wstring line = caption;
  for (wchar_t& c : line)
    if (c == L'\r' || c == L'\n') c = L' ';
  report_.Line(L"drive option " + std::to_wstring(option) + L": " + line);
}

void HeadlessStoreView::ShowNoDriveTexts(bool show) {
  if (show) report_.Line(L"no USB drive");
}

void HeadlessDataView::ShowAccountButtons(const std::vector<AccountButton>& buttons) {
  if (quiet_) return;
  std::wstring line = L"accounts:";
  for (const AccountButton& button : buttons) line += L" " + button.caption;
  report_.Line(line);
}

void HeadlessAccountView::ShowRows(const MappingRows& rows) {
  std::wstring line;
  for (const MappingRow& row : rows) {
    if (!row.shown) continue;
    const bool valid = row.chosen >= 0 && static_cast<std::size_t>(row.chosen) < row.items.size();
    line += L" " + row.label + L" -> " + (valid ? row.items[static_cast<std::size_t>(row.chosen)] : L"?") + L";";
  }
  if (line == last_) return;
  last_ = line;
  report_.Line(L"mapping:" + line);
}

void HeadlessRunView::SetStageLine(const std::wstring& text) {
  if (quiet_ || text == stage_ || text.empty()) return;
  stage_ = text;
  report_.Line(L"  " + text);
}

void HeadlessRunView::SetPercent(const std::wstring& text) {
  if (quiet_) return;
  int value = 0;
  bool digits = false;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') break;
    value = value * 10 + (c - L'0');
    digits = true;
  }
  if (digits) report_.Percent(value);
}

void HeadlessWaitingView::ShowOctets(const OctetTexts& octets) {
  report_.Line(L"showing this PC's address, last part " + octets[3]);
}

HeadlessConnectionView::HeadlessConnectionView(PeerReport& report, const std::wstring& address)
    : report_(report) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < octets_.size() && at <= address.size() && !address.empty(); ++i) {
    const std::size_t dot = address.find(L'.', at);
    octets_[i] = address.substr(at, dot == std::wstring::npos ? std::wstring::npos : dot - at);
    if (dot == std::wstring::npos) break;
    at = dot + 1;
  }
}

void HeadlessConnectionView::ShowManualMode(bool manual) {
  if (manual == fieldsShown_) return;
  fieldsShown_ = manual;
  report_.Line(manual ? L"address fields shown" : L"searching the subnet");
}

}  // namespace tvx
