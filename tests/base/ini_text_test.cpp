#include "base/ini_text.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(IniText, AcceptsEveryLineEnd) {
  const wchar_t* texts[] = {L"[A]\nk=1\n[B]\nk=2", L"[A]\rk=1\r[B]\rk=2\r",
                            L"[A]\r\nk=1\r\n[B]\r\nk=2\r\n"};
  for (const wchar_t* text : texts) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(text)));
    const IniText ini(text);
    EXPECT_EQ(ini.Find(L"A", L"k"), L"1");
    EXPECT_EQ(ini.Find(L"B", L"k"), L"2");
    EXPECT_EQ(ini.Text(), L"[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
  }
}

TEST(IniText, EditsTouchOnlyTheirOwnLines) {
  IniText ini(L"; kept as it is\r\n[OS]\r\nosver = 3\r\n\r\n[DISK]\r\nVOL1=C:,1\r\n");
  ini.Set(L"OS", L"OSVER", L"2");
  ini.Set(L"OS", L"LANG", L"1033");
  ini.Set(L"SCAN", L"FILESNUM", L"7");
  EXPECT_EQ(ini.Text(),
            L"; kept as it is\r\n[OS]\r\nosver=2\r\nLANG=1033\r\n\r\n[DISK]\r\nVOL1=C:,1\r\n"
            L"[SCAN]\r\nFILESNUM=7\r\n");
  EXPECT_TRUE(ini.RemoveSection(L"os"));
  EXPECT_EQ(ini.Text(), L"; kept as it is\r\n[DISK]\r\nVOL1=C:,1\r\n[SCAN]\r\nFILESNUM=7\r\n");
  EXPECT_FALSE(ini.RemoveKey(L"DISK", L"VOL2"));
  EXPECT_FALSE(ini.RemoveSection(L"OS"));
}

}  // namespace
}  // namespace tvx
