#include "statetool/xml_patterns.h"

#include "base/text.h"
#include "statetool/xml_text.h"

namespace tvx {
namespace {

bool IsXmlBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

std::wstring Trim(std::wstring_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && IsXmlBlank(text[first])) ++first;
  while (last > first && IsXmlBlank(text[last - 1])) --last;
  return std::wstring(text.substr(first, last - first));
}

// An element's local name: "ns:pattern" is a pattern too.
std::wstring_view LocalName(std::wstring_view name) {
  const std::size_t colon = name.rfind(L':');
  return colon == std::wstring_view::npos ? name : name.substr(colon + 1);
}

struct Tag {
  std::wstring name;
  std::wstring type;  // value of the `type` attribute, if any
  bool hasType = false;
  bool closing = false;
  bool empty = false;  // "<x/>"
};

// Reads the tag that starts at text[i] == '<' (not a comment, section or
// declaration). Returns the index after '>', or npos when it never ends.
std::size_t ReadTag(std::wstring_view text, std::size_t i, Tag& tag) {
  ++i;
  if (i < text.size() && text[i] == L'/') {
    tag.closing = true;
    ++i;
  }
  const std::size_t nameStart = i;
  while (i < text.size() && !IsXmlBlank(text[i]) && text[i] != L'>' && text[i] != L'/') ++i;
  tag.name.assign(text.substr(nameStart, i - nameStart));
  while (i < text.size()) {
    const wchar_t c = text[i];
    if (c == L'>') return i + 1;
    if (c == L'/' && i + 1 < text.size() && text[i + 1] == L'>') {
      tag.empty = true;
      return i + 2;
    }
    if (IsXmlBlank(c) || c == L'/') {
      ++i;
      continue;
    }
    // An attribute: name, optional blanks, '=', optional blanks, quoted value.
    const std::size_t attrStart = i;
    while (i < text.size() && !IsXmlBlank(text[i]) && text[i] != L'=' && text[i] != L'>') ++i;
    const std::wstring_view attrName = text.substr(attrStart, i - attrStart);
    while (i < text.size() && IsXmlBlank(text[i])) ++i;
    if (i >= text.size() || text[i] != L'=') continue;
    ++i;
    while (i < text.size() && IsXmlBlank(text[i])) ++i;
    if (i >= text.size()) break;
    const wchar_t quote = text[i];
    if (quote != L'"' && quote != L'\'') continue;
    const std::size_t close = text.find(quote, i + 1);
    if (close == std::wstring_view::npos) break;
    if (LocalName(attrName) == L"type") {
      tag.type = DecodeEntities(text.substr(i + 1, close - i - 1));
      tag.hasType = true;
    }
    i = close + 1;
  }
  return std::wstring_view::npos;
}

bool IsExclusion(std::wstring_view name) {
  const std::wstring_view local = LocalName(name);
  return local == L"exclude" || local == L"unconditionalExclude";
}

// Index after the end of a "<!...>" declaration, stepping over quoted text
// and an internal subset in brackets; npos when it never ends.
std::size_t SkipDeclaration(std::wstring_view text, std::size_t i) {
  int depth = 0;
  for (i += 2; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'"' || c == L'\'') {
      i = text.find(c, i + 1);
      if (i == std::wstring_view::npos) return i;
    } else if (c == L'[') {
      ++depth;
    } else if (c == L']') {
      --depth;
    } else if (c == L'>' && depth <= 0) {
      return i + 1;
    }
  }
  return std::wstring_view::npos;
}

class PatternScanner {
 public:
  explicit PatternScanner(std::wstring_view text) : text_(text) {}

  RuleFileScan Run() {
    std::size_t i = 0;
    while (i < text_.size() && result_.wellFormed) {
      const std::size_t lt = text_.find(L'<', i);
      if (lt == std::wstring_view::npos) {
        AddText(text_.substr(i), true);
        break;
      }
      AddText(text_.substr(i, lt - i), true);
      i = Markup(lt);
    }
    // An element still open at the end (a pattern above all) means the
    // file was cut short.
    if (!open_.empty()) result_.wellFormed = false;
    return std::move(result_);
  }

 private:
  struct Open {
    std::wstring name;
    bool exclusion;
  };

  std::size_t Fail() {
    result_.wellFormed = false;
    return text_.size();
  }

  void AddText(std::wstring_view text, bool decode) {
    if (!inPattern_ || text.empty()) return;
    patternText_ += decode ? DecodeEntities(text) : std::wstring(text);
  }

  // Handles the markup at text_[lt] == '<'; returns the index after it.
  std::size_t Markup(std::size_t lt) {
    const std::wstring_view rest = text_.substr(lt);
    if (rest.starts_with(L"<!--")) {
      const std::size_t end = text_.find(L"-->", lt + 4);
      return end == std::wstring_view::npos ? Fail() : end + 3;
    }
    if (rest.starts_with(L"<![CDATA[")) {
      const std::size_t end = text_.find(L"]]>", lt + 9);
      if (end == std::wstring_view::npos) return Fail();
      AddText(text_.substr(lt + 9, end - lt - 9), false);
      return end + 3;
    }
    if (rest.starts_with(L"<?")) {
      const std::size_t end = text_.find(L"?>", lt + 2);
      return end == std::wstring_view::npos ? Fail() : end + 2;
    }
    if (rest.starts_with(L"<!")) {
      const std::size_t end = SkipDeclaration(text_, lt);
      return end == std::wstring_view::npos ? Fail() : end;
    }
    Tag tag;
    const std::size_t end = ReadTag(text_, lt, tag);
    if (end == std::wstring_view::npos) return Fail();
    if (tag.closing) {
      Close(tag.name);
    } else {
      StartElement(tag);
    }
    return end;
  }

  void StartElement(const Tag& tag) {
    const bool exclusion = IsExclusion(tag.name) || (!open_.empty() && open_.back().exclusion);
    const bool pattern = !inPattern_ && LocalName(tag.name) == L"pattern";
    const bool fileType = !tag.hasType || EqualsNoCase(Trim(tag.type), L"File");
    if (tag.empty) return;  // an empty pattern names nothing
    open_.push_back({tag.name, exclusion});
    if (pattern && fileType) {
      inPattern_ = true;
      patternDepth_ = open_.size();
      patternText_.clear();
    }
  }

  void Close(const std::wstring& name) {
    // Closes the innermost element of that name and everything inside it,
    // so one stray end tag does not throw away the rest of the file.
    std::size_t at = open_.size();
    while (at > 0 && open_[at - 1].name != name) --at;
    if (at == 0) return;
    if (inPattern_ && at <= patternDepth_) {
      const std::wstring text = Trim(patternText_);
      if (!text.empty()) result_.rules.push_back({text, open_[patternDepth_ - 1].exclusion});
      inPattern_ = false;
    }
    open_.resize(at - 1);
  }

  std::wstring_view text_;
  RuleFileScan result_;
  std::vector<Open> open_;
  bool inPattern_ = false;
  std::size_t patternDepth_ = 0;
  std::wstring patternText_;
};

}  // namespace

RuleFileScan ExtractPatterns(std::string_view bytes) {
  const std::wstring text = DecodeXmlBytes(bytes);
  return PatternScanner(text).Run();
}

}  // namespace tvx
