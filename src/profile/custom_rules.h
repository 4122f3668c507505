// MigCustom.xml: the custom rule file that tells the state-migration tool
// which of the user's files and folders to move. Every build starts again
// from the template beside the program and adds one `pattern` element per
// selected file and folder to the include set of the "UserAndSystem"
// component, then saves the result into the tool folder.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xml_document.h"

namespace tvx {

inline constexpr wchar_t kCustomRulesName[] = L"MigCustom.xml";

// Entry kinds of AddPatternEntry.
constexpr int kPatternFolder = 0;
constexpr int kPatternFile = 1;

// What became of a build. Anything but Built means the working copy does
// not hold the whole selection; each is also written to the activity log.
enum class CustomRulesResult {
  Built,              // every entry is in the saved working copy
  TemplateNotCopied,  // the template could not be copied; nothing was built
  NoXmlComponent,     // the XML document could not be created
  NotLoaded,          // the working copy could not be loaded
  NoRuleComponent,    // no "UserAndSystem" component with an objectSet
  EntriesSkipped,     // saved, but some entries could not be added
  NotSaved,           // the document could not be written back
};

// The template and the working copy of one program folder.
struct CustomRulesPlace {
  std::wstring programFolder;
  std::int32_t archCode = 0;

  std::wstring TemplatePath() const;
  // "x86\MigCustom.xml" for archCode 7, else "x64\MigCustom.xml".
  std::wstring WorkingPath() const;
};

using XmlDocumentFactory = std::function<std::unique_ptr<XmlDocument>()>;

// Copies the template over the working copy, then adds the file entries and
// after them the folder entries, each group in list order. Logs to the
// program folder's activity log when the selection cannot be written whole.
CustomRulesResult BuildCustomRules(const std::vector<std::wstring>& files,
                                   const std::vector<std::wstring>& folders,
                                   const CustomRulesPlace& place,
                                   const XmlDocumentFactory& makeDocument = MakeXmlDocument);

// The same for this program's folder and the working copy of `archCode`.
CustomRulesResult BuildCustomRules(const std::vector<std::wstring>& files,
                                   const std::vector<std::wstring>& folders,
                                   std::int32_t archCode);

// Appends one entry to the first objectSet of the "UserAndSystem"
// component: an indenting text node, then <pattern type="File">text</pattern>.
// 1 when added, 0 when skipped (no document element, no component or
// objectSet, an unknown kind: "Wrong Type", or a failed DOM call).
int AddPatternEntry(int kind, const std::wstring& path, XmlDocument& document);

// The first direct child element of `parent` whose attribute `name` is
// exactly `value` (letter case counts); null when there is none.
XmlNodePtr FindChildByAttribute(const XmlNode& parent, std::wstring_view name,
                                std::wstring_view value);

// "<folder>\* [*]": the folder and everything below it.
std::wstring FolderPatternText(std::wstring_view folder);
// "<folder part>\ [<name>]" with "[" and "]" of the name escaped by "^".
std::wstring FilePatternText(std::wstring_view file);

}  // namespace tvx
