#include "peer/autopilot.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(Autopilot, LeavesThePagesThatOthersEndToThem) {
  PeerOptions search;
  search.searchFrom = L"127.0.0.10/255.255.255.0";
  PeerOptions typed;
  typed.connectTo = L"127.0.0.1";
  for (const int page : {kPageUsbRun, kPageSendRun, kPageReceiveRun, kPageWaiting, kPageConfiguration}) {
    SCOPED_TRACE(page);
    EXPECT_FALSE(PressesNextOn(page, typed));
  }
  EXPECT_FALSE(PressesNextOn(kPageConnection, search)) << "the search connects by itself";
  EXPECT_TRUE(PressesNextOn(kPageConnection, typed));
  EXPECT_TRUE(PressesNextOn(kPageCompletion, search)) << "the restart question follows";
}

}  // namespace
}  // namespace tvx
