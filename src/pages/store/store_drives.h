// The pieces of the store page that turn a USB drive into an option: its
// name as the shell shows it, the free-space or shortage text, the place of
// its option, and the drive designator read back from its name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/language_table.h"

namespace tvx {

// The text after the last "(" of a name (the whole name without one), less a
// trailing ")": "Stick (E:)" gives "E:".
std::wstring DesignatorFromName(std::wstring_view name);

// True for a drive designator, a letter and a colon ("E:").
bool IsDriveDesignator(std::wstring_view text);

// "E:" of a root such as "E:\".
std::wstring DesignatorOfRoot(std::wstring_view root);

// Whether a drive offers room for the selection.
bool HasRoomFor(std::uint64_t freeBytes, std::uint64_t requiredBytes);

// The free space and SELECTDATASTORE/SIZE1 when the drive has room, else the
// bytes it lacks and SELECTDATASTORE/SIZE2.
std::wstring DriveSizeText(std::uint64_t freeBytes, std::uint64_t requiredBytes,
                           const LanguageTable& language);

struct OptionPosition {
  int x = 0;
  int y = 0;
  bool operator==(const OptionPosition&) const = default;
};

// Two columns, three rows of 87 pixels.
OptionPosition DriveOptionPosition(int option);

}  // namespace tvx
