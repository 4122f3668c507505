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

// Records each call; call number `failAt` (from 1) fails.
class RecordingChannel final : public SendChannel {
 public:
  std::vector<std::string> calls;
  std::size_t failAt = 0;

  bool Send(const char* data, std::size_t length) override {
    calls.emplace_back(data, length);
    return calls.size() != failAt;
  }
  int LastError() const override { return kSockReset; }

  CommandHeader Header() const { return ParseHeader(calls.at(0).substr(0, kHeaderBytes)); }
  std::vector<std::size_t> Lengths() const {
    std::vector<std::size_t> lengths;
    for (const std::string& call : calls) lengths.push_back(call.size());
    return lengths;
  }
  // Everything after the header.
  std::string FileBytes() const {
    std::string bytes = calls.at(0).substr(kHeaderBytes);
    for (std::size_t i = 1; i < calls.size(); ++i) bytes += calls[i];
    return bytes;
  }
};

struct RecordingListener final : SendListener {
  std::vector<std::wstring> log;
  int openFailures = 0, storeStarts = 0, storeEnds = 0;
  std::uint64_t counted = 0;

  void OnOpenFailed() override { ++openFailures; }
  void OnStoreStarted(std::uint64_t) override { ++storeStarts; }
  void OnBlockSent(std::uint64_t length, std::uint64_t) override { counted += length; }
  void OnStoreEnded() override { ++storeEnds; }
  void Log(std::wstring_view line) override { log.emplace_back(line); }
  bool Logged(const std::wstring& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }
};

std::string Noise(std::size_t length) {
  std::string bytes(length, '\0');
  std::uint32_t seed = 99;
  for (char& byte : bytes) byte = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
  return bytes;
}

constexpr std::size_t kBlock = kSendBlockBytes;

TEST(FileSender, FirstCallCarriesTheHeaderAndAtMostOneBlock) {
  struct Row {
    std::size_t length;
    std::vector<std::size_t> calls;
  };
  const Row rows[] = {
      {kBlock - 1, {kHeaderBytes + kBlock - 1}},
      {kBlock, {kHeaderBytes + kBlock}},
      {kBlock + 1, {kHeaderBytes + kBlock, 1}},
      {3 * kBlock + 7, {kHeaderBytes + kBlock, 2 * kBlock + 7}},
      {22 * kBlock, {kHeaderBytes + kBlock, kSendPieceBytes, kBlock}},
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
    EXPECT_EQ(channel.Header().name, L"Applist.ini");
    EXPECT_EQ(channel.Header().size, static_cast<std::int64_t>(row.length));
    EXPECT_EQ(channel.Header().value, 1234);
    EXPECT_TRUE(channel.FileBytes() == content);
    EXPECT_EQ(listener.counted, row.length - std::min(row.length, kBlock)) << "the first call is not counted";
    EXPECT_TRUE(listener.Logged(L"ServerControl Send CMD: " + HeaderText(kCmdFinishCopy, L"Applist.ini",
                                                                       static_cast<std::int64_t>(row.length), 1234)));
  }
}

TEST(FileSender, ResumedStoreGoesFromTheOffsetInWholeBlocks) {
  constexpr std::int64_t kOffset = 10 << 20;
  const std::string store = Noise(kOffset + 2 * kBlock + 999);
  ScratchFolder folder;
  ASSERT_TRUE(WriteWholeFile(folder.Join(L"USMT.MIG"), store));
  RecordingChannel channel;
  RecordingListener listener;
  EXPECT_EQ(SendCommand(channel, kCmdCopy, folder.Join(L"USMT.MIG"), kOffset, listener), SendOutcome::kFileSent);
  EXPECT_EQ(channel.Lengths(), (std::vector<std::size_t>{kHeaderBytes + kBlock, kBlock + 999}));
  EXPECT_EQ(channel.Header().size, static_cast<std::int64_t>(store.size()));
  EXPECT_EQ(channel.Header().value, kOffset);
  EXPECT_TRUE(channel.calls[1] == store.substr(kOffset + kBlock)) << "blocks continue after the first";
  EXPECT_TRUE(channel.FileBytes() == store.substr(kOffset));
  EXPECT_EQ(listener.storeStarts, 1);
  EXPECT_EQ(listener.storeEnds, 1);
}

TEST(FileSender, OffsetOutsideTheStoreIsAnsweredWithMinusOneAndNoBytes) {
  ScratchFolder folder;
  ASSERT_TRUE(WriteWholeFile(folder.Join(L"USMT.MIG"), Noise(5000)));
  for (const std::int64_t offset : {5000, 5001, -7}) {
    SCOPED_TRACE(offset);
    RecordingChannel channel;
    RecordingListener listener;
    SendCommand(channel, kCmdCopy, folder.Join(L"USMT.MIG"), offset, listener);
    EXPECT_EQ(channel.Lengths(), std::vector<std::size_t>{kHeaderBytes});
    EXPECT_EQ(channel.Header().size, 5000);
    EXPECT_EQ(channel.Header().value, -1);
  }
}

TEST(FileSender, PlaceholderPathsAndFailuresSendWhatTheyShould) {
  ScratchFolder folder;
  ASSERT_TRUE(WriteWholeFile(folder.Join(L"USMT.MIG"), Noise(4 * kBlock)));
  struct Row {
    const char* what;
    std::wstring path;
    std::size_t failAt;
    SendOutcome outcome;
    std::size_t calls;
    std::wstring logged;
  };
  const Row rows[] = {
      {"fresh store", kNewStoreName, 0, SendOutcome::kHeaderSent, 1, L""},
      {"reused store", kNoFileName, 1, SendOutcome::kHeaderFailed, 1, L"TransmitFile3 Error: 10054"},
      {"no such file", folder.Join(L"PCInfo.txt"), 0, SendOutcome::kOpenFailed, 0, L""},
      {"header call fails", folder.Join(L"USMT.MIG"), 1, SendOutcome::kFileFailed, 1, L"TransmitFile1 Error: 10054"},
      {"block fails", folder.Join(L"USMT.MIG"), 2, SendOutcome::kFileFailed, 2, L"TransmitFile2 Error: 10054"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    RecordingChannel channel;
    channel.failAt = row.failAt;
    RecordingListener listener;
    EXPECT_EQ(SendCommand(channel, kCmdFinishScan, row.path, 77, listener), row.outcome);
    EXPECT_EQ(channel.calls.size(), row.calls);
    EXPECT_EQ(listener.openFailures, row.outcome == SendOutcome::kOpenFailed ? 1 : 0);
    if (!row.logged.empty()) {
      EXPECT_TRUE(listener.Logged(row.logged));
    }
    if (row.calls > 0 && row.outcome != SendOutcome::kFileFailed) {
      EXPECT_EQ(channel.Header().name, row.path);
      EXPECT_EQ(channel.Header().size, 0);
      EXPECT_EQ(channel.Header().value, 77);
    }
  }
}

}  // namespace
}  // namespace tvx
