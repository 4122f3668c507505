#include "core/byte_size.h"

#include <gtest/gtest.h>

#include "fakes/fake_ini_file.h"

namespace tvx {
namespace {

TEST(FormatByteSize, ScalesUpToGigabytes) {
  FakeIniFile ini;
  ini.Put(L"C:\\P\\Lang\\LangENG.ini",
          L"[COMMON]\r\nUNIT1=bytes\r\nUNIT2=KB\r\nUNIT3=MB\r\nUNIT4=GB\r\n");
  LanguageTable language(ini);
  language.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);

  constexpr std::uint64_t kMiB = 1024ull * 1024;
  struct Row { std::uint64_t bytes; const wchar_t* text; };
  const Row rows[] = {
      {0, L"0 bytes"},
      {1023, L"1023 bytes"},
      {1024, L"1.00 KB"},
      {1536, L"1.50 KB"},
      {kMiB - 1, L"1024.00 KB"},  // just below one step more: rounded, not rescaled
      {kMiB, L"1.00 MB"},
      {1536 * kMiB, L"1.50 GB"},
      {5ull * 1024 * 1024 * kMiB, L"5120.00 GB"},  // no unit beyond GB
      {214748762084474ull, L"200000.38 GB"},       // single precision, as always shown
      {UINT64_MAX, L"17179869184.00 GB"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.bytes << " bytes");
    EXPECT_EQ(FormatByteSize(row.bytes, language), row.text);
  }
}

}  // namespace
}  // namespace tvx
