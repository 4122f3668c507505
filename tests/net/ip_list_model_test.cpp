#include "net/ip_list_model.h"

#include <gtest/gtest.h>

#include "core/language_table.h"
#include "core/os_facts.h"
#include "fakes/fake_ini_file.h"
#include "fakes/fake_network_adapters.h"

namespace tvx {
namespace {

class IPListModelTest : public testing::Test {
 protected:
  void SetUp() override {
    adapters_.adapters = {{L"LAN", kIfTypeEthernet, L"192.168.0.7", true, L"{A}"},
                          {L"WLAN", kIfTypeWireless, L"10.0.0.3", true, L"{B}"},
                          {L"LAN 2", kIfTypeEthernet, L"172.16.0.2", false, L"{C}"}};
  }
  FakeNetworkAdapters adapters_;
};

TEST_F(IPListModelTest, ShowsOneRowPerAdapterAddress) {
  IPListModel model(L"192.168.0.7");
  model.Open(adapters_, kVersion61);
  ASSERT_EQ(model.Rows().size(), 3u);
  EXPECT_EQ(model.Rows()[1].kind, L"Wireless");
  EXPECT_EQ(model.Rows()[1].address, L"10.0.0.3");

  adapters_.adaptersReadable = false;
  IPListModel empty(L"192.168.0.7");
  empty.Open(adapters_, kVersion61);
  EXPECT_TRUE(empty.Rows().empty());
  EXPECT_EQ(empty.Ok(), kIPListOk);
  EXPECT_EQ(empty.Chosen(), L"192.168.0.7");
}

TEST_F(IPListModelTest, BothButtonsTakeTheLastSelectedRow) {
  struct Row {
    const char* name;
    std::vector<std::size_t> selected;
    std::vector<std::size_t> deselected;
    bool ok;
    int result;
    const wchar_t* chosen;
  };
  const Row rows[] = {
      {"nothing selected keeps the preset", {}, {}, true, kIPListOk, L"192.168.0.7"},
      {"one row", {1}, {}, true, kIPListOk, L"10.0.0.3"},
      {"the last of several", {2, 0}, {}, true, kIPListOk, L"172.16.0.2"},
      {"a row selected and cleared again", {0, 2}, {2}, true, kIPListOk, L"192.168.0.7"},
      {"cancel takes it too", {1}, {}, false, kIPListCancel, L"10.0.0.3"},
      {"a row beyond the list is ignored", {7}, {}, true, kIPListOk, L"192.168.0.7"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    IPListModel model(L"192.168.0.7");
    model.Open(adapters_, kVersion61);
    for (const std::size_t index : row.selected) model.SetSelected(index, true);
    for (const std::size_t index : row.deselected) model.SetSelected(index, false);
    EXPECT_EQ(row.ok ? model.Ok() : model.Cancel(), row.result);
    EXPECT_EQ(model.Chosen(), row.chosen);
  }
}

TEST_F(IPListModelTest, TextsComeFromTheLanguageFile) {
  FakeIniFile ini;
  LanguageTable language(ini);
  language.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033);
  ini.Put(language.IniPath(),
          L"[COMMON]\r\nOK=OK\r\nCANCEL=Cancel\r\n"
          L"[IPLIST]\r\nPAGEDESC=Choose the address\r\nTYPE=Type\r\nKEY=Address\r\n");
  const IPListTexts texts = LoadIPListTexts(language);
  EXPECT_EQ(texts.description, L"Choose the address");
  EXPECT_EQ(texts.kindHeading, L"Type");
  EXPECT_EQ(texts.addressHeading, L"Address");
  EXPECT_EQ(texts.ok, L"OK");
  EXPECT_EQ(texts.cancel, L"Cancel");
}

}  // namespace
}  // namespace tvx
