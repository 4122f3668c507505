#include "support/xml_tree.h"

#include "base/text.h"
#include "statetool/xml_text.h"

namespace tvx {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n'; }

// "name  a='1' b = \"x\"" as "name a=\"1\" b=\"x\"".
std::wstring TagLine(std::wstring_view tag) {
  std::size_t i = 0;
  while (i < tag.size() && !IsBlank(tag[i])) ++i;
  std::wstring line(tag.substr(0, i));
  for (std::size_t eq; (eq = tag.find(L'=', i)) != std::wstring_view::npos;) {
    std::size_t start = i;
    while (start < eq && IsBlank(tag[start])) ++start;
    std::size_t end = eq;
    while (end > start && IsBlank(tag[end - 1])) --end;
    const std::size_t open = tag.find_first_of(L"\"'", eq);
    const std::size_t close = tag.find(tag[open], open + 1);
    line += L" " + std::wstring(tag.substr(start, end - start)) + L"=\"" +
            DecodeEntities(tag.substr(open + 1, close - open - 1)) + L"\"";
    i = close + 1;
  }
  return line;
}

}  // namespace

std::string XmlTree(std::string_view bytes) {
  std::wstring text;
  for (const wchar_t c : DecodeXmlBytes(bytes)) {
    if (c == L'\n' && !text.empty() && text.back() == L'\r') text.pop_back();
    if (c != L'\uFEFF' || !text.empty()) text += c;
  }
  for (wchar_t& c : text) c = c == L'\r' ? L'\n' : c;
  std::wstring tree;
  std::size_t depth = 0;
  const auto line = [&](const std::wstring& content) {
    tree += std::wstring(depth * 2, L' ') + content + L"\n";
  };
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t lt = text.find(L'<', i);
    const std::wstring_view between = std::wstring_view(text).substr(i, lt - i);
    for (const wchar_t c : between) {
      if (IsBlank(c)) continue;
      line(L"\"" + DecodeEntities(between) + L"\"");
      break;
    }
    if (lt == std::wstring::npos) break;
    if (text.compare(lt, 4, L"<!--") == 0) {
      i = text.find(L"-->", lt) + 3;
    } else if (text.compare(lt, 2, L"<?") == 0) {
      i = text.find(L"?>", lt) + 2;
    } else if (text.compare(lt, 2, L"</") == 0) {
      --depth;
      i = text.find(L'>', lt) + 1;
    } else {
      const std::size_t gt = text.find(L'>', lt);
      std::wstring_view tag = std::wstring_view(text).substr(lt + 1, gt - lt - 1);
      const bool empty = tag.ends_with(L'/');
      if (empty) tag.remove_suffix(1);
      line(L"<" + TagLine(tag) + L">");
      if (!empty) ++depth;
      i = gt + 1;
    }
  }
  return ToUtf8(tree);
}

}  // namespace tvx
