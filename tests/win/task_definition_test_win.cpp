// The follow-up task definitions of the built program folder and of its
// portable copy, loaded through the system's XML DOM component: each element
// sits where the task scheduler's schema allows it, the task starts the
// installed program with "/config" at logon, and the file the completion page
// hands schtasks.exe is one of them.
#include <gtest/gtest.h>

#include "base/win.h"

#include <msxml2.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/file.h"
#include "base/path.h"
#include "base/text.h"
#include "core/os_facts.h"
#include "pages/results/complete_page.h"
#include "platform/com_ptr_win.h"
#include "support/built_tools.h"

namespace tvx {
namespace {

constexpr wchar_t kTaskNamespace[] = L"http://schemas.microsoft.com/windows/2004/02/mit/task";

// The child elements the schema allows for the elements a definition of
// ours may use; an element missing here holds text only.
const std::map<std::wstring, std::set<std::wstring>>& AllowedChildren() {
  static const std::map<std::wstring, std::set<std::wstring>> allowed = {
      {L"Task", {L"RegistrationInfo", L"Triggers", L"Settings", L"Data", L"Principals", L"Actions"}},
      {L"RegistrationInfo", {L"URI", L"SecurityDescriptor", L"Source", L"Date", L"Author", L"Version",
                             L"Description", L"Documentation"}},
      {L"Triggers", {L"BootTrigger", L"RegistrationTrigger", L"IdleTrigger", L"TimeTrigger", L"EventTrigger",
                     L"LogonTrigger", L"SessionStateChangeTrigger", L"CalendarTrigger"}},
      {L"LogonTrigger", {L"StartBoundary", L"EndBoundary", L"Enabled", L"Repetition", L"ExecutionTimeLimit",
                         L"Delay", L"UserId"}},
      {L"Principals", {L"Principal"}},
      {L"Principal", {L"UserId", L"LogonType", L"GroupId", L"DisplayName", L"RunLevel",
                      L"ProcessTokenSidType", L"RequiredPrivileges"}},
      {L"Settings", {L"AllowStartOnDemand", L"RestartOnFailure", L"MultipleInstancesPolicy",
                     L"DisallowStartIfOnBatteries", L"StopIfGoingOnBatteries", L"AllowHardTerminate",
                     L"StartWhenAvailable", L"NetworkProfileName", L"RunOnlyIfNetworkAvailable", L"WakeToRun",
                     L"Enabled", L"Hidden", L"DeleteExpiredTaskAfter", L"IdleSettings", L"NetworkSettings",
                     L"ExecutionTimeLimit", L"Priority", L"RunOnlyIfIdle"}},
      {L"IdleSettings", {L"Duration", L"WaitTimeout", L"StopOnIdleEnd", L"RestartOnIdle"}},
      {L"Actions", {L"Exec", L"ComHandler", L"SendEmail", L"ShowMessage"}},
      {L"Exec", {L"Command", L"Arguments", L"WorkingDirectory"}},
  };
  return allowed;
}

const std::set<std::wstring> kBooleans = {
    L"Enabled", L"AllowStartOnDemand", L"DisallowStartIfOnBatteries", L"StopIfGoingOnBatteries",
    L"AllowHardTerminate", L"StartWhenAvailable", L"RunOnlyIfNetworkAvailable", L"WakeToRun",
    L"Hidden", L"RunOnlyIfIdle", L"StopOnIdleEnd", L"RestartOnIdle"};

std::wstring Take(BSTR text) {
  std::wstring copy = text ? std::wstring(text) : std::wstring();
  SysFreeString(text);
  return copy;
}

// Walks the element tree; records each element's text by its path
// ("Task/Actions/Exec/Command") and every breach of the schema's structure.
void Walk(IXMLDOMNode* node, const std::wstring& path, std::map<std::wstring, std::wstring>& texts,
          std::vector<std::wstring>& faults) {
  BSTR raw = nullptr;
  node->get_baseName(&raw);
  const std::wstring name = Take(raw);
  raw = nullptr;
  node->get_namespaceURI(&raw);
  if (Take(raw) != kTaskNamespace) faults.push_back(path + name + L": not in the task namespace");
  const std::wstring here = path + name;
  raw = nullptr;
  node->get_text(&raw);
  texts[here] = Take(raw);
  if (kBooleans.count(name) && texts[here] != L"true" && texts[here] != L"false") {
    faults.push_back(here + L": not a boolean");
  }

  ComPtr<IXMLDOMNodeList> children;
  ASSERT_TRUE(SUCCEEDED(node->get_childNodes(children.Put())) && children);
  long count = 0;
  children->get_length(&count);
  const auto allowed = AllowedChildren().find(name);
  for (long i = 0; i < count; ++i) {
    ComPtr<IXMLDOMNode> child;
    ASSERT_EQ(children->get_item(i, child.Put()), S_OK);
    DOMNodeType type = NODE_INVALID;
    child->get_nodeType(&type);
    if (type != NODE_ELEMENT) continue;
    raw = nullptr;
    child->get_baseName(&raw);
    const std::wstring childName = Take(raw);
    if (allowed == AllowedChildren().end() || !allowed->second.count(childName)) {
      faults.push_back(here + L" may not hold " + childName);
    }
    Walk(child.Get(), here + L"/", texts, faults);
  }
}

TEST(TaskDefinitionWin, DefinitionsFollowTheSchemaAndStartTheConfigurationPage) {
  ComScope com;
  struct Row {
    std::int32_t archCode;
    const wchar_t* programFiles;  // where the 32-bit program is installed on that system
  };
  const Row rows[] = {{kArch32, L"%ProgramFiles%"}, {kArch64, L"%ProgramFiles(x86)%"}};
  for (const std::wstring& folder : {BuiltProgramFolder(), JoinPath(BuiltProgramFolder(), L"Tralvex")}) {
    for (const Row& row : rows) {
      const std::wstring path = JoinPath(folder, TaskDefinitionName(row.archCode));
      SCOPED_TRACE(ToUtf8(path));
      ASSERT_TRUE(PathExists(path));
      EXPECT_EQ(CreateTaskParameters(path), L" /create /XML \"" + path + L"\" /tn \"Tralvex\"");

      CLSID classId{};
      ASSERT_TRUE(SUCCEEDED(CLSIDFromProgID(L"Msxml2.DOMDocument.3.0", &classId)));
      ComPtr<IXMLDOMDocument> document;
      ASSERT_TRUE(SUCCEEDED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                             document.PutVoid())));
      document->put_async(VARIANT_FALSE);
      Variant source;
      VARIANT* file = source.Put();
      file->vt = VT_BSTR;
      file->bstrVal = SysAllocString(path.c_str());
      VARIANT_BOOL loaded = VARIANT_FALSE;
      ASSERT_TRUE(SUCCEEDED(document->load(source.Get(), &loaded)) && loaded == VARIANT_TRUE);
      ComPtr<IXMLDOMElement> root;
      ASSERT_EQ(document->get_documentElement(root.Put()), S_OK);

      std::map<std::wstring, std::wstring> texts;
      std::vector<std::wstring> faults;
      Walk(root.Get(), L"", texts, faults);
      for (const std::wstring& fault : faults) ADD_FAILURE() << ToUtf8(fault);
      Variant version;
      ASSERT_EQ(root->getAttribute(Bstr(L"version").Get(), version.Put()), S_OK);
      EXPECT_EQ(std::wstring(version.Get().bstrVal), L"1.2");

      EXPECT_EQ(texts[L"Task/Triggers/LogonTrigger/Enabled"], L"true");
      EXPECT_EQ(texts[L"Task/Actions/Exec/Command"],
                std::wstring(L"\"") + row.programFiles + L"\\Kelvaro\\Kelvaro Tralvex\\Tralvex.exe\"");
      EXPECT_EQ(texts[L"Task/Actions/Exec/Arguments"], L"/config");
      EXPECT_EQ(texts[L"Task/Settings/Enabled"], L"true");
    }
  }
}

}  // namespace
}  // namespace tvx
