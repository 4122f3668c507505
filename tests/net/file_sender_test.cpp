#include "net/file_sender.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "base/file.h"
#include "base/socket_error.h"
#include "net/protocol.h"
#include "support/scratch_folder.h"

namespace tvx {
namespace {

// Records each call; call number `failAt` (1-based) fails.
class RecordingChannel final : public SendChannel {
 public:
  std::vector<std::string> calls;
  std::size_t failAt = 0;

  bool Send(const char* data, std::size_t length) override {
    calls.emplace_back(data, length);
    return calls.size() != failAt;
  }
  int LastError() const override { return kSockReset; }

  CommandHeader FirstHeader() const { return ParseHeader(calls.at(0).substr(0, kHeaderBytes)); }
  // Everything after the first header.
  std::string FileBytes() const {
    std::string bytes = calls.at(0).substr(kHeaderBytes);
    for (std::size_t i = 1; i < calls.size(); ++i) bytes += calls[i];
    return bytes;
  }
  std::vector<std::size_t> Lengths() const {
    std::vector<std::size_t> lengths;
    for (const std::string& call : calls) lengths.push_back(call.size());
    return lengths;
  }
};

class RecordingListener final : public SendListener {
 public:
  std::vector<std::wstring> log;
  int openFailures = 0;
  int storeStarts = 0;
  int storeEnds = 0;
  std::uint64_t storeSize = 0;
  std::uint64_t blockBytes = 0;

  void OnOpenFailed() override { ++openFailures; }
  void OnStoreStarted(std::uint64_t size) override {
    ++storeStarts;
    storeSize = size;
  }
  void OnBlockSent(std::uint64_t length, std::uint64_t size) override {
    blockBytes += length;
    EXPECT_EQ(size, storeSize == 0 ? size : storeSize);
  }
  void OnStoreEnded() override { ++storeEnds; }
  void Log(std::wstring_view line) override { log.emplace_back(line); }
};

std::string Noise(std::size_t length) {
  std::string bytes(length, '\0');
  std::uint32_t seed = static_cast<std::uint32_t>(length);
  for (char& byte : bytes) {
    seed = seed * 1103515245u + 12345u;
    byte = static_cast<char>(seed >> 24);
  }
  return bytes;
}

constexpr std::size_t kBlock = kSendBlockBytes;

TEST(FileSender, FirstCallCarriesTheHeaderAndAtMostOneBlock) {
  struct Row {
    std::size_t length;
    std::vector<std::size_t> calls;
  };
  const Row rows[] = {
      {1, {kHeaderBytes + 1}},
      {kBlock - 1, {kHeaderBytes + kBlock - 1}},
      {kBlock, {kHeaderBytes + kBlock}},
      {kBlock + 1, {kHeaderBytes + kBlock, 1}},
      {3 * kBlock + 7, {kHeaderBytes + kBlock, kBlock, kBlock, 7}},
  };
  ScratchFolder folder;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.length);
    const std::string content = Noise(row.length);
    ASSERT_TRUE(WriteWholeFile(folder.Join(L"Applist.ini"), content));
    RecordingChannel channel;
    RecordingListener listener;
    EXPECT_EQ(SendCommand(channel, kCmdFinishCopy, folder.Join(L"Applist.ini"), 1234, listener),
              SendOutcome::kFileSent);
    EXPECT_EQ(channel.Lengths(), row.calls);
    const CommandHeader header = channel.FirstHeader();
    EXPECT_EQ(header.command, kCmdFinishCopy);
    EXPECT_EQ(header.name, L"Applist.ini");
    EXPECT_EQ(header.size, static_cast<std::int64_t>(row.length));
    EXPECT_EQ(header.value, 1234);
    EXPECT_TRUE(channel.FileBytes() == content);
    EXPECT_EQ(listener.blockBytes, row.length - std::min(row.length, kBlock)) << "the first call is not counted";
    EXPECT_EQ(listener.storeStarts + listener.storeEnds, 0) << "only the store has progress";
    EXPECT_EQ(listener.log, std::vector<std::wstring>{L"ServerControl Send CMD: " +
                                                      HeaderText(kCmdFinishCopy, L"Applist.ini",
                                                                 static_cast<std::int64_t>(row.length), 1234)});
  }
}

TEST(FileSender, ResumedStoreGoesFromTheOffsetInWholeBlocks) {
  constexpr std::int64_t kOffset = 10 << 20;
  const std::string store = Noise(kOffset + 3 * kBlock + 999);
  ScratchFolder folder;
  ASSERT_TRUE(WriteWholeFile(folder.Join(L"USMT.MIG"), store));
  RecordingChannel channel;
  RecordingListener listener;
  EXPECT_EQ(SendCommand(channel, L"|.copy", folder.Join(L"USMT.MIG"), kOffset, listener), SendOutcome::kFileSent)
      << "the sender knows the store command in any case";
  EXPECT_EQ(channel.Lengths(), (std::vector<std::size_t>{kHeaderBytes + kBlock, kBlock, kBlock, 999}));
  EXPECT_EQ(channel.FirstHeader().size, static_cast<std::int64_t>(store.size()));
  EXPECT_EQ(channel.FirstHeader().value, kOffset);
  EXPECT_TRUE(channel.calls[0].substr(kHeaderBytes) == store.substr(kOffset, kBlock));
  EXPECT_TRUE(channel.calls[1] == store.substr(kOffset + kBlock, kBlock)) << "blocks continue after the first";
  EXPECT_TRUE(channel.FileBytes() == store.substr(kOffset));
  EXPECT_EQ(listener.storeStarts, 1);
  EXPECT_EQ(listener.storeSize, store.size());
  EXPECT_EQ(listener.blockBytes, 2 * kBlock + 999);
  EXPECT_EQ(listener.storeEnds, 1);
}

TEST(FileSender, OffsetOutsideTheStoreIsAnsweredWithMinusOneAndNoBytes) {
  ScratchFolder folder;
  ASSERT_TRUE(WriteWholeFile(folder.Join(L"USMT.MIG"), Noise(5000)));
  for (const std::int64_t offset : {std::int64_t{5000}, std::int64_t{5001}, std::int64_t{-7}}) {
    SCOPED_TRACE(offset);
    RecordingChannel channel;
    RecordingListener listener;
    EXPECT_EQ(SendCommand(channel, kCmdCopy, folder.Join(L"USMT.MIG"), offset, listener), SendOutcome::kFileSent);
    EXPECT_EQ(channel.Lengths(), std::vector<std::size_t>{kHeaderBytes});
    EXPECT_EQ(channel.FirstHeader().size, 5000);
    EXPECT_EQ(channel.FirstHeader().value, -1);
    EXPECT_EQ(listener.storeEnds, 1);
  }
}

TEST(FileSender, PlaceholderPathsSendTheHeaderAlone) {
  for (const wchar_t* name : {kNewStoreName, kNoFileName}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
    RecordingChannel channel;
    RecordingListener listener;
    EXPECT_EQ(SendCommand(channel, kCmdFinishScan, name, 123456789012, listener), SendOutcome::kHeaderSent);
    ASSERT_EQ(channel.Lengths(), std::vector<std::size_t>{kHeaderBytes});
    const CommandHeader header = channel.FirstHeader();
    EXPECT_EQ(header.name, name);
    EXPECT_EQ(header.size, 0);
    EXPECT_EQ(header.value, 123456789012);
  }
}

TEST(FileSender, FileThatCannotBeOpenedSendsNothing) {
  ScratchFolder folder;
  RecordingChannel channel;
  RecordingListener listener;
  EXPECT_EQ(SendCommand(channel, kCmdCheck, folder.Join(L"PCInfo.txt"), 0, listener), SendOutcome::kOpenFailed);
  EXPECT_TRUE(channel.calls.empty());
  EXPECT_EQ(listener.openFailures, 1);
  ASSERT_EQ(listener.log.size(), 1u);
  EXPECT_EQ(listener.log[0].rfind(L"Failed to open file: ", 0), 0u);
}

TEST(FileSender, FailedCallEndsTheSendAndIsLogged) {
  struct Row {
    std::size_t failAt;
    std::size_t callsMade;
    const wchar_t* logged;
  };
  const Row rows[] = {
      {1, 1, L"TransmitFile1 Error: 10054"},  // no blocks without their header
      {2, 2, L"TransmitFile2 Error: 10054"},
      {3, 3, L"TransmitFile2 Error: 10054"},
  };
  ScratchFolder folder;
  ASSERT_TRUE(WriteWholeFile(folder.Join(L"USMT.MIG"), Noise(4 * kBlock)));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.failAt);
    RecordingChannel channel;
    channel.failAt = row.failAt;
    RecordingListener listener;
    EXPECT_EQ(SendCommand(channel, kCmdCopy, folder.Join(L"USMT.MIG"), 0, listener), SendOutcome::kFileFailed);
    EXPECT_EQ(channel.calls.size(), row.callsMade);
    EXPECT_NE(std::find(listener.log.begin(), listener.log.end(), row.logged), listener.log.end());
    EXPECT_EQ(listener.storeEnds, 1) << "the progress timer stops either way";
  }
}

TEST(FileSender, HeaderAloneIsLoggedAsEachSideLogsIt) {
  struct Row {
    SendSide side;
    bool fails;
    std::vector<std::wstring> log;
  };
  const std::wstring sent = L"ClientControl Send CMD: HEADER?|.INIT? \"\" ?0?0";
  const Row rows[] = {
      {SendSide::kReceivingPc, false, {sent}},
      {SendSide::kReceivingPc, true, {L"TransmitFile1 Error: 10054", sent}},
      {SendSide::kSendingPc, false, {}},
      {SendSide::kSendingPc, true, {L"TransmitFile3 Error: 10054"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << (row.side == SendSide::kSendingPc ? "sending" : "receiving") << " PC, "
                                    << (row.fails ? "failing" : "working"));
    RecordingChannel channel;
    channel.failAt = row.fails ? 1 : 0;
    RecordingListener listener;
    EXPECT_EQ(SendHeaderOnly(channel, row.side, kCmdInit, kNoFileName, 0, listener),
              row.fails ? SendOutcome::kHeaderFailed : SendOutcome::kHeaderSent);
    EXPECT_EQ(listener.log, row.log);
  }
}

}  // namespace
}  // namespace tvx
