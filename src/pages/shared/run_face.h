// What a run page shows when its window is created: the texts of its
// controls, looked up once, and the two layout choices that follow the
// language (a lower state line, a smaller title).
#pragma once

#include <cstdint>
#include <string>

#include "core/language_table.h"

namespace tvx {

enum class RunPageKind {
  kUsb,        // CRunMigration, either PC
  kSending,    // CRunMigrationSource, network
  kReceiving,  // CRunMigrationTarget, network
};

struct RunPageFace {
  std::wstring title;
  std::wstring methodCaption;  // placed hidden
  std::wstring method;
  std::wstring stateCaption;
  std::wstring state;
  std::wstring largeLabel;
  std::wstring description;
  std::wstring stageLine;      // empty: the control starts without text
  std::wstring panelLine1;
  std::wstring panelLine2;
  std::wstring percentCaption;
  std::wstring percent;
  bool hasTime = false;        // only the sending network page shows time left
  std::wstring timeCaption;
  std::wstring timeLeft;
  bool lowerStateLine = false;  // the state text moves below its caption
  bool smallTitle = false;      // the title font is 12 instead of 16 pixels
};

// Languages whose state text does not fit beside its caption.
bool UsesLowerStateLine(std::uint16_t languageId);
// Languages whose title is set in the body size.
bool UsesSmallTitle(std::uint16_t languageId);

RunPageFace MakeRunPageFace(RunPageKind kind, const LanguageTable& language);

}  // namespace tvx
