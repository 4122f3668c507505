#include "profile/custom_rules.h"

#include "base/debug_output.h"
#include "base/file.h"
#include "base/path.h"
#include "core/activity_log.h"
#include "core/program_files.h"

namespace tvx {
namespace {

constexpr wchar_t kEntryIndent[] = L"\r\n\t\t\t\t\t\t";

// The objectSet that receives the entries: the first one, at any depth, of
// the first direct child of the document element whose context is
// "UserAndSystem".
XmlNodePtr FindRuleTarget(const XmlNode& root) {
  const XmlNodePtr component = FindChildByAttribute(root, L"context", L"UserAndSystem");
  if (!component) return nullptr;
  std::vector<XmlNodePtr> sets;
  if (!component->Descendants(L"objectSet", sets) || sets.empty()) return nullptr;
  return std::move(sets.front());
}

std::wstring EscapeLeaf(std::wstring_view name) {
  std::wstring out;
  out.reserve(name.size());
  for (const wchar_t c : name) {
    if (c == L'[' || c == L']') out += L'^';
    out += c;
  }
  return out;
}

std::wstring EntryCount(std::size_t count) {
  return std::to_wstring(count) + (count == 1 ? L" entry" : L" entries");
}

class BuildLog {
 public:
  explicit BuildLog(const std::wstring& folder) : folder_(folder) {}
  CustomRulesResult Fail(CustomRulesResult result, std::wstring_view why, std::size_t lost) {
    WriteLogIn(folder_, L"MigCustom.xml: " + std::wstring(why) + L"; " + EntryCount(lost) +
                            L" of the selection not written");
    return result;
  }

 private:
  const std::wstring& folder_;
};

}  // namespace

std::wstring CustomRulesPlace::TemplatePath() const {
  return JoinPath(programFolder, kCustomRulesName);
}

std::wstring CustomRulesPlace::WorkingPath() const {
  return ToolFolderFile(programFolder, archCode, kCustomRulesName);
}

std::wstring FolderPatternText(std::wstring_view folder) {
  // A drive root arrives as "C:\"; its pattern is "C:\* [*]", not "C:\\* [*]".
  while (!folder.empty() && folder.back() == L'\\') folder.remove_suffix(1);
  return std::wstring(folder) + L"\\* [*]";
}

std::wstring FilePatternText(std::wstring_view file) {
  const std::size_t slash = file.rfind(L'\\');
  const std::size_t nameStart = slash == std::wstring_view::npos ? 0 : slash + 1;
  return std::wstring(file.substr(0, nameStart)) + L" [" + EscapeLeaf(file.substr(nameStart)) +
         L"]";
}

XmlNodePtr FindChildByAttribute(const XmlNode& parent, std::wstring_view name,
                                std::wstring_view value) {
  std::vector<XmlNodePtr> children;
  if (!parent.ChildNodes(children)) {
    DebugOut(L"GetElementByAttrValue Exception occurred");
    return nullptr;
  }
  for (XmlNodePtr& child : children) {
    if (child->Kind() != XmlNodeKind::Element) continue;
    const std::optional<std::wstring> found = child->Attribute(name);
    if (found && *found == value) return std::move(child);
  }
  return nullptr;
}

int AddPatternEntry(int kind, const std::wstring& path, XmlDocument& document) {
  const XmlNodePtr root = document.DocumentElement();
  if (!root) {
    DebugOut(L"Can not get docoument root!!");
    return 0;
  }
  if (kind != kPatternFile && kind != kPatternFolder) {
    DebugOut(L"Wrong Type");
    return 0;
  }
  const XmlNodePtr objectSet = FindRuleTarget(*root);
  if (!objectSet) {
    DebugOut(L"Can not find the UserAndSystem objectSet");
    return 0;
  }
  const XmlNodePtr pattern = document.CreateElement(L"pattern");
  if (!pattern || !pattern->SetAttribute(L"type", L"File")) return 0;
  const std::wstring text = kind == kPatternFile ? FilePatternText(path) : FolderPatternText(path);
  const XmlNodePtr content = document.CreateText(text);
  if (!content || !pattern->Append(*content)) return 0;
  const XmlNodePtr indent = document.CreateText(kEntryIndent);
  if (!indent || !objectSet->Append(*indent) || !objectSet->Append(*pattern)) return 0;
  return 1;
}

CustomRulesResult BuildCustomRules(const std::vector<std::wstring>& files,
                                   const std::vector<std::wstring>& folders,
                                   const CustomRulesPlace& place,
                                   const XmlDocumentFactory& makeDocument) {
  BuildLog log(place.programFolder);
  const std::size_t selected = files.size() + folders.size();
  const std::wstring working = place.WorkingPath();

  if (!CopyOneFile(place.TemplatePath(), working, false)) {
    // Extending an older working copy would capture an earlier selection
    // along with this one; without a rule file the tool fails visibly.
    RemoveFile(working);
    return log.Fail(CustomRulesResult::TemplateNotCopied,
                    L"the template could not be copied to " + working, selected);
  }
  const std::unique_ptr<XmlDocument> document = makeDocument ? makeDocument() : nullptr;
  if (!document) {
    DebugOut(L"Can not create the XML document");
    return log.Fail(CustomRulesResult::NoXmlComponent, L"no XML document component", selected);
  }
  ChangeCurrentFolder(place.programFolder);
  if (!document->Load(working)) {
    // Saving the empty document would wipe the rules the template gives.
    DebugOut(L"Load Custom.xml Files create Exception occurred");
    return log.Fail(CustomRulesResult::NotLoaded, working + L" could not be loaded", selected);
  }
  if (selected > 0) {
    const XmlNodePtr root = document->DocumentElement();
    if (!root || !FindRuleTarget(*root)) {
      return log.Fail(CustomRulesResult::NoRuleComponent,
                      L"the template has no UserAndSystem component with an objectSet", selected);
    }
  }

  std::size_t skipped = 0;
  for (const std::wstring& file : files) {
    if (!AddPatternEntry(kPatternFile, file, *document)) ++skipped;
  }
  for (const std::wstring& folder : folders) {
    if (!AddPatternEntry(kPatternFolder, folder, *document)) ++skipped;
  }

  if (!document->Save(working)) {
    return log.Fail(CustomRulesResult::NotSaved, working + L" could not be saved", selected);
  }
  if (skipped > 0) {
    return log.Fail(CustomRulesResult::EntriesSkipped, L"entries could not be added", skipped);
  }
  return CustomRulesResult::Built;
}

CustomRulesResult BuildCustomRules(const std::vector<std::wstring>& files,
                                   const std::vector<std::wstring>& folders,
                                   std::int32_t archCode) {
  return BuildCustomRules(files, folders, CustomRulesPlace{ProgramFolder(), archCode});
}

}  // namespace tvx
