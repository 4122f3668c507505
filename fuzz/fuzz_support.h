// Helpers of the fuzz targets: a property check that names what failed, and
// files for the parsers that read from a path (each input is written to a
// scratch folder of this process, on a memory file system when there is one,
// removed by the next fuzz process once this one has ended).
#pragma once

#include <string>
#include <string_view>

namespace tvx::fuzz {

// Ends the run as a crash when a property does not hold.
#define FUZZ_REQUIRE(holds) ((holds) ? void() : ::tvx::fuzz::Fail(#holds, __FILE__, __LINE__))
[[noreturn]] void Fail(const char* what, const char* file, int line);

// Program path of `name` in the scratch folder after writing `bytes` to it.
std::wstring ScratchFile(const wchar_t* name, std::string_view bytes);
// Adds `bytes` to the end of a scratch file, as a writing process would.
void AppendScratch(const std::wstring& path, std::string_view bytes);

}  // namespace tvx::fuzz
