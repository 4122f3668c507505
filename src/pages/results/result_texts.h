// The texts the two last pages show: the count of files, the amount of data,
// and the labels both pages share.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "core/language_table.h"
#include "pages/results/result_view.h"

namespace tvx {

// "%d %s" of the count and COMMON/UNIT5.
std::wstring FormatFileCount(std::int32_t count, const LanguageTable& language);

// The tool's MiB figure as bytes, formatted; a negative figure counts 0.
std::wstring FormatMegabytes(std::int64_t megabytes, const LanguageTable& language);

// The texts both pages fill alike at creation: result, method (USB until
// the page learns otherwise), state, title and the three row captions.
ResultPageFace CommonResultFace(const LanguageTable& language);

// The three row values: the file count, the data and the elapsed time.
ResultFigures MakeResultFigures(std::int32_t files, std::int64_t megabytes, const std::wstring& elapsedText,
                                const LanguageTable& language);

}  // namespace tvx
