#include "statetool/command_line.h"

#include "base/number_text.h"
#include "base/text.h"

namespace tvx {
namespace {

enum class Value { kNone, kRequired, kOptional };
enum Modes { kScanOnly = 1, kLoadOnly = 2, kBoth = 3 };

struct OptionShape {
  const wchar_t* name;
  Modes modes;
  Value value;
};

constexpr OptionShape kOptions[] = {
    {L"i", kBoth, Value::kRequired},         {L"config", kBoth, Value::kRequired},
    {L"o", kScanOnly, Value::kNone},         {L"v", kBoth, Value::kRequired},
    {L"c", kBoth, Value::kNone},             {L"ue", kBoth, Value::kRequired},
    {L"mu", kLoadOnly, Value::kRequired},    {L"lac", kLoadOnly, Value::kOptional},
    {L"lae", kLoadOnly, Value::kNone},       {L"localonly", kScanOnly, Value::kNone},
    {L"listfiles", kScanOnly, Value::kRequired}, {L"progress", kBoth, Value::kRequired},
};

const OptionShape* FindOption(std::wstring_view name) {
  for (const OptionShape& option : kOptions) {
    if (EqualsNoCase(name, option.name)) return &option;
  }
  return nullptr;
}

bool AllDigits(std::wstring_view text) {
  if (text.empty() || text.size() > 9) return false;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
  }
  return true;
}

// "DOMAIN\user" or "user", with a valid user name.
bool IsAccountName(std::wstring_view account) {
  const std::size_t slash = account.find(L'\\');
  if (slash == std::wstring_view::npos) return IsValidUserName(account);
  return slash > 0 && account.find(L'\\', slash + 1) == std::wstring_view::npos &&
         IsValidUserName(account.substr(slash + 1));
}

class Parser {
 public:
  Parser(ToolMode mode, ParsedCommandLine& out) : mode_(mode), out_(out) {
    out_.options.mode = mode;
  }

  void Argument(const std::wstring& arg) {
    if (!out_.ok()) return;
    if (arg.empty() || arg[0] != L'/') {
      Positional(arg);
      return;
    }
    const std::size_t colon = arg.find(L':');
    const std::wstring_view name = std::wstring_view(arg).substr(1, colon == std::wstring::npos ? arg.npos : colon - 1);
    const bool hasValue = colon != std::wstring::npos;
    const std::wstring value = hasValue ? arg.substr(colon + 1) : std::wstring();
    const OptionShape* option = FindOption(name);
    if (!option) return Fail(L"Unknown option " + arg);
    const Modes modeBit = mode_ == ToolMode::kScan ? kScanOnly : kLoadOnly;
    if (!(option->modes & modeBit)) return Fail(L"Option not valid for this tool: " + arg);
    if (option->value == Value::kNone && hasValue) return Fail(L"Option takes no value: " + arg);
    if (option->value == Value::kRequired && value.empty()) return Fail(L"Option needs a value: " + arg);
    Apply(option->name, value, arg);
  }

  void Finish() {
    if (out_.ok() && out_.options.storeFolder.empty()) Fail(L"No store folder given");
  }

 private:
  void Fail(const std::wstring& error) {
    if (out_.ok()) out_.error = error;
  }

  void Positional(const std::wstring& arg) {
    if (arg.empty()) return Fail(L"Empty store folder");
    if (!out_.options.storeFolder.empty()) return Fail(L"More than one store folder: " + arg);
    out_.options.storeFolder = arg;
  }

  void Once(std::wstring& field, const std::wstring& value, const std::wstring& arg) {
    if (!field.empty()) return Fail(L"Option given twice: " + arg);
    field = value;
  }

  void Apply(std::wstring_view name, const std::wstring& value, const std::wstring& arg) {
    ToolOptions& o = out_.options;
    if (name == L"i") {
      o.ruleFiles.push_back(value);
    } else if (name == L"config") {
      Once(o.configFile, value, arg);
    } else if (name == L"o") {
      o.overwrite = true;
    } else if (name == L"v") {
      if (!AllDigits(value)) return Fail(L"Verbosity is not a number: " + arg);
      o.verbosity = ParseInt32(value);
    } else if (name == L"c") {
      o.continueOnError = true;
    } else if (name == L"ue") {
      o.excludedUsers.push_back(value);
    } else if (name == L"mu") {
      const std::size_t colon = value.find(L':');
      if (colon == std::wstring::npos) return Fail(L"Option needs OLD:NEW: " + arg);
      AccountMove move{value.substr(0, colon), value.substr(colon + 1)};
      if (!IsAccountName(move.from) || !IsAccountName(move.to)) {
        return Fail(L"Not an account name: " + arg);
      }
      o.moves.push_back(std::move(move));
    } else if (name == L"lac") {
      o.createAccounts = true;
    } else if (name == L"lae") {
      o.enableAccounts = true;
    } else if (name == L"localonly") {
      o.localOnly = true;
    } else if (name == L"listfiles") {
      Once(o.listFile, value, arg);
    } else if (name == L"progress") {
      Once(o.progressFile, value, arg);
    }
  }

  ToolMode mode_;
  ParsedCommandLine& out_;
};

}  // namespace

ToolMode ModeFromProgramName(std::wstring_view programPath) {
  std::wstring_view name = programPath;
  const std::size_t slash = name.find_last_of(L"\\/");
  if (slash != std::wstring_view::npos) name.remove_prefix(slash + 1);
  if (name.size() > 4 && EqualsNoCase(name.substr(name.size() - 4), L".exe")) name.remove_suffix(4);
  if (EqualsNoCase(name, L"scanstate")) return ToolMode::kScan;
  if (EqualsNoCase(name, L"loadstate")) return ToolMode::kLoad;
  return ToolMode::kUnknown;
}

ParsedCommandLine ParseToolArguments(ToolMode mode, const std::vector<std::wstring>& args) {
  ParsedCommandLine result;
  if (mode == ToolMode::kUnknown) {
    result.error = L"Start the tool as scanstate or loadstate";
    return result;
  }
  Parser parser(mode, result);
  for (const std::wstring& arg : args) parser.Argument(arg);
  parser.Finish();
  // The progress file is wanted even for a line that fails, so the failure
  // can be reported where the wizard looks for it.
  if (!result.ok() && result.options.progressFile.empty()) {
    for (const std::wstring& arg : args) {
      if (arg.size() > 10 && EqualsNoCase(std::wstring_view(arg).substr(0, 10), L"/progress:")) {
        result.options.progressFile = arg.substr(10);
        break;
      }
    }
  }
  return result;
}

bool IsValidUserName(std::wstring_view name) {
  if (name.empty()) return false;
  if (name.find_first_not_of(L". ") == std::wstring_view::npos) return false;
  if (name.back() == L'.' || name.back() == L' ') return false;
  for (const wchar_t c : name) {
    if (c < 0x20 || std::wstring_view(L"\"/\\[]:;|=,+*?<>").find(c) != std::wstring_view::npos) {
      return false;
    }
  }
  return true;
}

}  // namespace tvx
