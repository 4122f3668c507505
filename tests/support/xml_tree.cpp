#include "support/xml_tree.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/text.h"
#include "statetool/xml_text.h"

namespace tvx {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

bool IsAllBlank(std::wstring_view text) { return std::all_of(text.begin(), text.end(), IsBlank); }

class TreeWriter {
 public:
  explicit TreeWriter(std::wstring_view text) : text_(text) {}

  std::string Run() {
    while (pos_ < text_.size() && error_.empty()) Step();
    if (error_.empty() && depth_ != 0) error_ = "unclosed element";
    if (!error_.empty()) return "not well-formed: " + error_;
    return ToUtf8(out_);
  }

 private:
  void Step() {
    const std::size_t lt = text_.find(L'<', pos_);
    Text(text_.substr(pos_, lt == std::wstring_view::npos ? std::wstring_view::npos : lt - pos_));
    if (lt == std::wstring_view::npos) {
      pos_ = text_.size();
      return;
    }
    pos_ = lt;
    const std::wstring_view rest = text_.substr(pos_);
    if (rest.starts_with(L"<?")) return Skip(L"?>");
    if (rest.starts_with(L"<!--")) return Skip(L"-->");
    if (rest.starts_with(L"<![CDATA[")) {
      const std::size_t end = text_.find(L"]]>", pos_);
      if (end == std::wstring_view::npos) return Fail("unfinished section");
      Line(L"\"" + std::wstring(text_.substr(pos_ + 9, end - pos_ - 9)) + L"\"");
      pos_ = end + 3;
      return;
    }
    if (rest.starts_with(L"<!")) return Skip(L">");
    if (rest.starts_with(L"</")) {
      const std::size_t end = text_.find(L'>', pos_);
      if (end == std::wstring_view::npos || depth_ == 0) return Fail("stray end tag");
      --depth_;
      pos_ = end + 1;
      return;
    }
    Element();
  }

  void Element() {
    std::size_t i = pos_ + 1;
    const std::size_t nameStart = i;
    while (i < text_.size() && !IsBlank(text_[i]) && text_[i] != L'>' && text_[i] != L'/') ++i;
    std::wstring line = L"<" + std::wstring(text_.substr(nameStart, i - nameStart));
    std::vector<std::pair<std::wstring, std::wstring>> attributes;
    bool empty = false;
    for (;;) {
      while (i < text_.size() && IsBlank(text_[i])) ++i;
      if (i >= text_.size()) return Fail("unfinished tag");
      if (text_[i] == L'>') break;
      if (text_[i] == L'/') {
        empty = true;
        ++i;
        continue;
      }
      const std::size_t eq = text_.find(L'=', i);
      if (eq == std::wstring_view::npos || eq + 1 >= text_.size()) return Fail("bad attribute");
      std::wstring name(text_.substr(i, eq - i));
      while (!name.empty() && IsBlank(name.back())) name.pop_back();
      std::size_t q = eq + 1;
      while (q < text_.size() && IsBlank(text_[q])) ++q;
      const std::size_t close = q < text_.size() ? text_.find(text_[q], q + 1) : std::wstring_view::npos;
      if (close == std::wstring_view::npos) return Fail("unfinished attribute");
      attributes.emplace_back(name, DecodeEntities(text_.substr(q + 1, close - q - 1)));
      i = close + 1;
    }
    std::sort(attributes.begin(), attributes.end());
    for (const auto& [name, value] : attributes) line += L" " + name + L"=\"" + value + L"\"";
    Line(line + L">");
    if (!empty) ++depth_;
    pos_ = i + 1;
  }

  void Text(std::wstring_view text) {
    if (text.empty() || IsAllBlank(text)) return;
    if (depth_ == 0) return Fail("text outside the document element");
    Line(L"\"" + DecodeEntities(text) + L"\"");
  }

  void Skip(std::wstring_view end) {
    const std::size_t at = text_.find(end, pos_);
    if (at == std::wstring_view::npos) return Fail("unfinished markup");
    pos_ = at + end.size();
  }

  void Line(const std::wstring& line) {
    out_ += std::wstring(depth_ * 2, L' ') + line + L"\n";
  }

  void Fail(const char* why) { error_ = why; }

  std::wstring_view text_;
  std::size_t pos_ = 0;
  std::size_t depth_ = 0;
  std::wstring out_;
  std::string error_;
};

}  // namespace

std::string XmlTree(std::string_view bytes) {
  // Line ends as a parser hands them on: CR LF and a lone CR become LF.
  const std::wstring raw = DecodeXmlBytes(bytes);
  std::wstring text;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != L'\r') {
      text += raw[i];
      continue;
    }
    text += L'\n';
    if (i + 1 < raw.size() && raw[i + 1] == L'\n') ++i;
  }
  std::wstring_view view = text;
  if (view.starts_with(L"\uFEFF")) view.remove_prefix(1);
  return TreeWriter(view).Run();
}

}  // namespace tvx
