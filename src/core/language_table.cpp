#include "core/language_table.h"

#include <initializer_list>

#include "base/path.h"

namespace tvx {
namespace {

struct LanguageRow {
  std::initializer_list<std::uint16_t> ids;
  LanguageFileNames files;
};

// First match wins. The letter case of every name is part of it.
const LanguageRow kLanguageRows[] = {
    {{0x412}, {L"LangKOR.ini", L"help_kor.chm"}},
    {{0x409}, {L"LangENG.ini", L"help_eng.chm"}},
    {{0x804}, {L"LangCHS.ini", L"help_CHS.chm"}},
    {{0x40C}, {L"LangFRE.ini", L"help_FRE.chm"}},
    {{0x407}, {L"LangGER.ini", L"help_GER.chm"}},
    {{0xC0A}, {L"LangSPA.ini", L"help_SPA.chm"}},
    {{0xC04, 0x404}, {L"LangCHT.ini", L"help_CHT.chm"}},
    {{0x410}, {L"LangITA.ini", L"help_ITA.chm"}},
    {{0x415}, {L"LangPOL.ini", L"help_POL.chm"}},
    {{0x814, 0x414}, {L"LangNOR.ini", L"help_NOR.chm"}},
    {{0x40B}, {L"LangFIN.ini", L"help_FIN.chm"}},
    {{0x406}, {L"LangDAN.ini", L"help_DAN.chm"}},
    {{0x41D, 0x81D}, {L"LangSVE.ini", L"help_SVE.chm"}},
    {{0x413}, {L"LangDUT.ini", L"help_dut.chm"}},
    {{0x816}, {L"LangPOR.ini", L"help_POR.chm"}},
    {{0x41F}, {L"LangTUR.ini", L"help_TUR.chm"}},
    {{0x419, 0x422}, {L"LangRUS.ini", L"help_RUS.chm"}},
    {{0x401}, {L"LangARA.ini", L"help_ARA.chm"}},
    {{0x408}, {L"LangGRE.ini", L"help_GRE.chm"}},
    {{0x416}, {L"LangBRA.ini", L"help_BRA.chm"}},
    {{0x40E}, {L"LangHUN.ini", L"help_HUN.chm"}},
    {{0x405}, {L"LangCZE.ini", L"help_CZE.chm"}},
    {{0x418}, {L"LangRUM.ini", L"help_RUM.chm"}},
    {{0x402}, {L"LangBUL.ini", L"help_BUL.chm"}},
    {{0x41A}, {L"LangSCR.ini", L"help_SCR.chm"}},
    {{0x81A}, {L"LangSCC.ini", L"help_SCC.chm"}},
    {{0x41B}, {L"LangSLO.ini", L"help_SLK.chm"}},
    {{0x424}, {L"LangSLV.ini", L"help_SLV.chm"}},
    {{0x40D}, {L"LangHEB.ini", L"help_HEB.chm"}},
};

constexpr LanguageFileNames kDefaultFiles{L"LangENG.ini", L"help_eng.chm"};

}  // namespace

LanguageFileNames LanguageFilesFor(std::uint16_t languageId) {
  for (const LanguageRow& row : kLanguageRows) {
    for (const std::uint16_t id : row.ids) {
      if (id == languageId) return row.files;
    }
  }
  return kDefaultFiles;
}

std::vector<LanguageFileNames> AllLanguageFiles() {
  std::vector<LanguageFileNames> files;
  for (const LanguageRow& row : kLanguageRows) files.push_back(row.files);
  return files;
}

std::vector<std::uint16_t> AllLanguageIds() {
  std::vector<std::uint16_t> ids;
  for (const LanguageRow& row : kLanguageRows) ids.push_back(*row.ids.begin());
  return ids;
}

bool IsRefusedLanguage(std::uint16_t languageId) {
  return languageId == 0x419 || languageId == 0x422 || languageId == 0x41A;
}

bool ReadsRightToLeft(std::uint16_t languageId) { return languageId == 0x401 || languageId == 0x40D; }

std::wstring LanguageFolder(std::wstring_view programFolder) {
  return JoinPath(programFolder, L"Lang\\");
}

std::wstring HelpFolder(std::wstring_view programFolder) {
  return JoinPath(programFolder, L"Help\\");
}

bool LanguageTable::Prepare(std::wstring_view languageFolder, std::wstring_view helpFolder,
                            std::uint16_t languageId) {
  languageId_ = languageId;
  const LanguageFileNames files = LanguageFilesFor(languageId);
  iniPath_ = std::wstring(languageFolder) + std::wstring(files.languageFile);
  helpPath_ = std::wstring(helpFolder) + std::wstring(files.helpFile);
  fallbackPath_ = std::wstring(languageFolder) + std::wstring(LanguageFilesFor(0).languageFile);
  return IsRefusedLanguage(languageId);
}

std::wstring LanguageTable::Lookup(std::wstring_view section, std::wstring_view key) const {
  if (iniPath_.empty()) return {};
  std::wstring text = ini_.Read(iniPath_, section, key, kLanguageTextBuffer);
  // A language whose file is not installed (or lacks a text) reads English
  // rather than showing the user an empty label or headline.
  if (text.empty() && iniPath_ != fallbackPath_) {
    text = ini_.Read(fallbackPath_, section, key, kLanguageTextBuffer);
  }
  return text;
}

std::wstring LanguageTable::GetText(LanguageKey key) const {
  return Lookup(key.Section(), key.Key());
}

std::wstring LanguageTable::MessageText(MessageKey key) const {
  if (key.Empty()) return {};
  return Lookup(kMessageSection, key.Key());
}

std::wstring LanguageTable::LanguageIdText() const { return std::to_wstring(languageId_); }

}  // namespace tvx
