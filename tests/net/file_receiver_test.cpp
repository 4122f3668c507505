#include "net/file_receiver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/fake_receive_sink.h"

namespace tvx {
namespace {

std::string Header(const wchar_t* command, const std::wstring& name, std::int64_t size, std::int64_t value = 0) {
  return EncodeHeader(CommandHeader{command, name, size, value});
}

std::string Noise(std::size_t length, std::uint32_t seed) {
  std::string bytes(length, '\0');
  for (char& byte : bytes) byte = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
  return bytes;
}

// Feeds the stream in pieces of at most `piece` bytes, as receives bring it.
void FeedInPieces(FileReceiver& receiver, const std::string& stream, std::size_t piece) {
  for (std::size_t offset = 0; offset < stream.size();) {
    const std::size_t took =
        receiver.Feed(stream.data() + offset, std::min({piece, stream.size() - offset, receiver.Wanted()}));
    ASSERT_GT(took, 0u);
    offset += took;
  }
}

constexpr std::size_t kPieces[] = {1, 99, 1 << 20};

TEST(FileReceiver, StoresEachFileInItsOwnPlaceAndReportsItsStepOnce) {
  struct Row {
    const wchar_t* command;
    const wchar_t* name;
    ReceivedFile file;
    int step;
    std::size_t length;
  };
  const Row rows[] = {
      {kCmdCheck, L"pcinfo.TXT", ReceivedFile::kProfile, kStepCheck, 1},
      {kCmdDataInfo, L"MigCustom.xml", ReceivedFile::kRules, kStepAccount, kReceiveChunkBytes},
      {kCmdCopy, L"USMT.MIG", ReceivedFile::kStore, kStepFinishCopy, 2 * kReceiveChunkBytes + 1},
      {kCmdFinishCopy, L"Applist.ini", ReceivedFile::kAppList, kStepLoad, 5000},
  };
  for (const Row& row : rows) {
    for (const std::size_t piece : kPieces) {
      SCOPED_TRACE(testing::Message() << testing::PrintToString(std::wstring(row.command)) << " in pieces of "
                                      << piece);
      FakeReceiveSink sink;
      FileReceiver receiver(sink);
      const std::string content = Noise(row.length, 7);
      // The next command follows straight after the file.
      FeedInPieces(receiver,
                   Header(row.command, row.name, static_cast<std::int64_t>(content.size())) + content +
                       Header(kCmdScan, kNoFileName, 0, 4321),
                   piece);
      EXPECT_TRUE(sink.failures.empty());
      EXPECT_TRUE(sink.files[row.file] == content);
      EXPECT_FALSE(sink.IsOpen());
      ASSERT_EQ(sink.steps.size(), 2u);
      EXPECT_EQ(sink.steps[0].step, row.step);
      EXPECT_EQ(sink.steps[1].step, kStepScan);
      EXPECT_EQ(sink.steps[1].header.value, 4321);
    }
  }
}

TEST(FileReceiver, RefusesUnsafeFilesForGoodWithoutOpeningAnything) {
  struct Row {
    const wchar_t* command;
    const wchar_t* name;
    std::int64_t size;
    std::int64_t value;
    int code;
  };
  const Row rows[] = {
      {kCmdCheck, L"..\\..\\evil.txt", 10, 0, kEndConnectionFailure},
      {kCmdCheck, L"C:\\Windows\\evil.txt", 10, 0, kEndConnectionFailure},
      {kCmdCheck, L"x\\PCInfo.txt", 10, 0, kEndConnectionFailure},
      {kCmdFinishCopy, L"CON", 10, 0, kEndConnectionFailure},
      {kCmdFinishCopy, L"COM1", 10, 0, kEndConnectionFailure},
      {kCmdFinishCopy, L"PCInfo.txt", 10, 0, kEndConnectionFailure},  // another command's file
      {kCmdDataInfo, L"Tralvex_64.xml", 10, 0, kEndConnectionFailure},
      {kCmdCheck, kNoFileName, 10, 0, kEndConnectionFailure},
      {kCmdCheck, L"PCInfo.txt", -5, 0, kEndConnectionFailure},
      {kCmdCheck, L"PCInfo.txt", 0, 0, kEndConnectionFailure},
      {kCmdCopy, L"USMT.MIG", 5000, -1, kEndInvalidFile},  // the sender could not serve the offset
      {kCmdCopy, L"USMT.MIG", 5000, 5000, kEndInvalidFile},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.command) + L" " + row.name + L" " +
                                        std::to_wstring(row.size) + L" " + std::to_wstring(row.value)));
    FakeReceiveSink sink;
    FileReceiver receiver(sink);
    // A well-formed command after the refused one changes nothing.
    FeedInPieces(receiver,
                 Header(row.command, row.name, row.size, row.value) + "0123456789" + Header(kCmdConnect, kNoFileName, 0),
                 4096);
    EXPECT_EQ(sink.failures, std::vector<int>{row.code});
    EXPECT_TRUE(sink.opened.empty());
    EXPECT_TRUE(sink.steps.empty());
  }
}

TEST(FileReceiver, FileThatCannotBeStoredWholeIsNeverActedOn) {
  for (const bool cannotCreate : {true, false}) {
    SCOPED_TRACE(cannotCreate ? "cannot create" : "write fails part way");
    FakeReceiveSink sink;
    sink.refuseOpen = cannotCreate;
    sink.failWritesAfter = 100;
    FileReceiver receiver(sink);
    FeedInPieces(receiver, Header(kCmdFinishCopy, L"Applist.ini", 5000) + Noise(5000, 1), 1000);
    EXPECT_EQ(sink.failures, std::vector<int>{kEndConnectionFailure});
    EXPECT_TRUE(sink.steps.empty());
    EXPECT_FALSE(sink.IsOpen());
  }
}

TEST(FileReceiver, ResumesOnlyAStoreThatProvesToBeTheSame) {
  struct Row {
    const char* what;
    std::size_t local;   // bytes of the store the receiving PC holds
    std::size_t offset;  // where the sending PC continues
    int tamperAt;        // a local byte after the offset that differs; -1: none
    int failure;         // -1: none
  };
  const Row rows[] = {
      {"same store", 6000, 6000 - 1024, -1, -1},
      {"first re-sent byte differs", 6000, 6000 - 1024, 0, kEndInvalidFile},
      {"last proved byte differs", 6000, 6000 - 1024, 99, kEndInvalidFile},
      {"bytes past the proof are not compared", 6000, 6000 - 1024, 100, -1},
      {"small offsets go unproved", 2048, 1024, 0, -1},
      {"offset past the local copy", 3000, 3001, -1, kEndInvalidFile},
      {"no local copy", 0, 2000, -1, kEndConnectionFailure},
  };
  const std::string remote = Noise(9000, 42);
  for (const Row& row : rows) {
    for (const std::size_t piece : kPieces) {
      SCOPED_TRACE(testing::Message() << row.what << ", pieces of " << piece);
      FakeReceiveSink sink;
      if (row.local > 0) sink.files[ReceivedFile::kStore] = remote.substr(0, row.local);
      if (row.tamperAt >= 0) sink.files[ReceivedFile::kStore][row.offset + row.tamperAt] ^= 0x5A;
      const std::string before = row.local > 0 ? sink.files[ReceivedFile::kStore] : "";
      FileReceiver receiver(sink);
      FeedInPieces(receiver,
                   Header(kCmdCopy, L"USMT.MIG", 9000, static_cast<std::int64_t>(row.offset)) +
                       remote.substr(row.offset),
                   piece);
      if (row.failure < 0) {
        EXPECT_TRUE(sink.failures.empty());
        EXPECT_TRUE(sink.files[ReceivedFile::kStore] == before.substr(0, row.offset) + remote.substr(row.offset))
            << "appended from the offset; the bytes before it stay";
        ASSERT_EQ(sink.steps.size(), 1u);
        EXPECT_EQ(sink.steps[0].header.value, static_cast<std::int64_t>(row.offset));
      } else {
        EXPECT_EQ(sink.failures, std::vector<int>{row.failure});
        EXPECT_TRUE(sink.files[ReceivedFile::kStore] == before) << "nothing is written";
        EXPECT_TRUE(sink.steps.empty());
      }
    }
  }
}

}  // namespace
}  // namespace tvx
