#include "net/header_receiver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tvx {
namespace {

TEST(HeaderReceiver, PiecesMakeOneHeaderAndThePayloadStaysOutside) {
  const std::string stream = EncodeHeader(L"HEADER?|.CHECK?PCInfo.txt?7?0") + "PAYLOAD";
  for (const std::size_t piece : {1u, 3u, 255u, 256u, 1000u}) {
    SCOPED_TRACE(piece);
    HeaderReceiver receiver;
    std::size_t offset = 0;
    int completions = 0;
    while (offset < stream.size()) {
      const std::size_t took = receiver.Feed(stream.data() + offset, std::min(piece, stream.size() - offset));
      offset += took;
      if (receiver.Complete()) {
        ++completions;
        break;
      }
      ASSERT_GT(took, 0u);
    }
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(offset, kHeaderBytes) << "no payload byte is taken into the header";
    EXPECT_EQ(receiver.Feed("P", 1), 0u) << "a complete block takes nothing more";
    const CommandHeader header = receiver.Take();
    EXPECT_EQ(header.name, L"PCInfo.txt");
    EXPECT_EQ(header.size, 7);
    EXPECT_EQ(receiver.Missing(), kHeaderBytes) << "taking starts the next block";
  }
}

TEST(HeaderReceiver, NextBlockStartsClean) {
  HeaderReceiver receiver;
  const std::string first = EncodeHeader(L"HEADER?|.FINISHCOPY?Applist.ini?123456?99");
  ASSERT_EQ(receiver.Feed(first.data(), first.size()), kHeaderBytes);
  receiver.Take();
  const std::string second = EncodeHeader(L"HEADER?|.SCAN");
  receiver.Feed(second.data(), second.size());
  const CommandHeader header = receiver.Take();
  EXPECT_EQ(header.command, kCmdScan);
  EXPECT_EQ(header.name, L"") << "nothing of the longer first header is left over";
  EXPECT_EQ(header.value, 0);
}

}  // namespace
}  // namespace tvx
