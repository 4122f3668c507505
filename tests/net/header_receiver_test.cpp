#include "net/header_receiver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tvx {
namespace {

TEST(HeaderReceiver, PiecesMakeOneHeaderAndThePayloadStaysOutside) {
  const std::string stream = EncodeHeader(L"HEADER?|.FINISHCOPY?Applist.ini?7?123456") + "PAYLOAD";
  for (const std::size_t piece : {1u, 3u, 256u, 1000u}) {
    SCOPED_TRACE(piece);
    HeaderReceiver receiver;
    std::size_t offset = 0;
    while (!receiver.Complete()) {
      const std::size_t took = receiver.Feed(stream.data() + offset, std::min(piece, stream.size() - offset));
      ASSERT_GT(took, 0u);
      offset += took;
    }
    EXPECT_EQ(offset, kHeaderBytes) << "no payload byte is taken into the header";
    EXPECT_EQ(receiver.Feed("P", 1), 0u);
    EXPECT_EQ(receiver.Take().value, 123456);
    // The next, shorter block keeps nothing of the first.
    const std::string next = EncodeHeader(L"HEADER?|.SCAN");
    receiver.Feed(next.data(), next.size());
    const CommandHeader header = receiver.Take();
    EXPECT_EQ(header.command, kCmdScan);
    EXPECT_EQ(header.name, L"");
  }
}

}  // namespace
}  // namespace tvx
