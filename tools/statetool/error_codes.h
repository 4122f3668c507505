// The tool's result codes, written as "errorCode, N" and returned as the
// exit status. Only 0 means success to the wizard.
#pragma once

namespace tvx {

constexpr int kToolSuccess = 0;
constexpr int kToolBadCommandLine = 11;
constexpr int kToolRuleFileError = 28;
constexpr int kToolStoreLocationError = 27;
constexpr int kToolCorruptStore = 42;
constexpr int kToolFileErrors = 61;  // files that could not be captured or restored
constexpr int kToolWriteError = 71;  // the store, the file list or a restored file could not be written

// How a run ended: the code, a short fixed message for the progress file,
// and how many per-file errors were passed over (/c).
struct ToolOutcome {
  int code = kToolSuccess;
  const wchar_t* message = L"Successful run";
  unsigned long long ignoredErrors = 0;
};

}  // namespace tvx
