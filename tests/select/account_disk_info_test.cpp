#include "select/account_disk_info.h"

#include <gtest/gtest.h>

#include "fakes/fake_ini_file.h"

namespace tvx {
namespace {

constexpr wchar_t kProfile[] = L"C:\\P\\PCInfo.txt";

TEST(AccountDiskInfo, RewritesBothSectionsAndGivesTheSystemDriveTheOverhead) {
  FakeIniFile ini;
  ini.Put(kProfile, L"[OS]\r\nOSVER=3\r\n[ACCOUNT]\r\nACCOUNT1=OLD,x,y\r\nACCOUNT7=OLD,z,z\r\n"
                    L"[DISK]\r\nVOL3=gone,1\r\n");
  st_Account alice;
  alice.strDomain = L"PC";
  alice.strName = L"alice";
  alice.strFullName = L"Alice, Jr.";
  st_Account bob = alice;
  bob.strName = L"bob";
  bob.strFullName.clear();
  const std::vector<st_Drive> drives = {{L"Data (D:)", L"D:\\", 5}, {L"System (C:)", L"C:\\", 7}};

  WriteAccountAndDiskSections(ini, kProfile, {alice, bob}, drives, L"c:\\");

  EXPECT_EQ(ini.TextOf(kProfile),
            L"[OS]\r\nOSVER=3\r\n"
            L"[ACCOUNT]\r\nACCOUNT1=PC,alice,Alice, Jr.\r\nACCOUNT2=PC,bob,\r\n"
            L"[DISK]\r\nVOL1=Data (D:),5\r\nVOL2=System (C:)," +
                std::to_wstring(7 + 262144000 + 20971520 * 2) + L"\r\n");
}

TEST(AccountDiskInfo, TheOverheadStaysRightForManyAccounts) {
  FakeIniFile ini;
  const std::vector<st_Account> accounts(120);
  WriteAccountAndDiskSections(ini, kProfile, accounts, {{L"C", L"C:\\", 0}}, L"C:\\");
  EXPECT_EQ(ini.Read(kProfile, L"DISK", L"VOL1", 260), L"C,2778726400");
  EXPECT_EQ(ini.Read(kProfile, L"ACCOUNT", L"ACCOUNT5", 260), L",,");
  EXPECT_EQ(ini.Read(kProfile, L"ACCOUNT", L"ACCOUNT6", 260), L"");
}

}  // namespace
}  // namespace tvx
