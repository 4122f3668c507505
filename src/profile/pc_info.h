// PCInfo.txt: the sending PC's profile (operating system, accounts, drives,
// file count) as an INI file in the program folder. Every PC writes its own
// OS section at start-up; the receiving PC later holds the sending PC's copy.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/ini_file.h"
#include "core/os_facts.h"
#include "core/wizard_messages.h"

namespace tvx {

constexpr wchar_t kPcInfoName[] = L"PCInfo.txt";

// An account of the sending PC as the profile lists it.
struct SourceAccount {
  std::wstring domain;
  std::wstring name;
  std::wstring fullName;
  bool operator==(const SourceAccount&) const = default;
};

// Makes sure the file exists in a form that keeps every character: a new file
// is started as UTF-16LE with its byte-order mark, which the platform's INI
// functions then keep, so account names outside the ANSI code page survive.
void PreparePcInfo(const std::wstring& path);

// OSVER, OSSKU, OSARCI and LANG of section OS, in that order.
void WriteOsSection(IniFile& ini, const std::wstring& path, const OsFacts& facts);

// SCAN/FILESNUM. The finish page removes the key before writing it again;
// the receiving PC writes it directly.
void WriteFileCountFresh(IniFile& ini, const std::wstring& path, std::int64_t count);
void WriteFileCount(IniFile& ini, const std::wstring& path, std::int64_t count);
// SCAN/FILESNUM as a number; 0 when missing.
std::int32_t ReadFileCount(const IniFile& ini, const std::wstring& path);

// The three tests of a received profile against this PC: kEndVersionMismatch
// when the version does not fit, else kEndLanguageMismatch when the languages
// differ, else kEndArchMismatch when a 64-bit system meets a 32-bit one,
// else 0. All three run; the language test stores `currentUiLanguage` into
// `local.uiLanguage`.
int CheckProfileCompatibility(const IniFile& ini, const std::wstring& path, OsFacts& local,
                              std::uint16_t currentUiLanguage);

// ACCOUNT1 to ACCOUNT5 up to the first missing or empty one. Only the first
// two commas split a value; an empty full name becomes the account name.
std::vector<SourceAccount> ReadSourceAccounts(const IniFile& ini, const std::wstring& path);
SourceAccount ParseSourceAccount(std::wstring_view value);

}  // namespace tvx
