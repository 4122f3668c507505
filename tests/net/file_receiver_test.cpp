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
  for (char& byte : bytes) {
    seed = seed * 1103515245u + 12345u;
    byte = static_cast<char>(seed >> 24);
  }
  return bytes;
}

// Feeds the stream in pieces of at most `piece` bytes, as receives would
// bring it, never offering more than the receiver wants.
void FeedInPieces(FileReceiver& receiver, const std::string& stream, std::size_t piece) {
  std::size_t offset = 0;
  while (offset < stream.size()) {
    const std::size_t offer = std::min({piece, stream.size() - offset, receiver.Wanted()});
    const std::size_t took = receiver.Feed(stream.data() + offset, offer);
    ASSERT_GT(took, 0u);
    offset += took;
  }
}

constexpr std::size_t kPieces[] = {1, 99, 4096, 1 << 20};

TEST(FileReceiver, StoresEachFileCommandInItsOwnFileAndReportsItsStep) {
  struct Row {
    const wchar_t* command;
    const wchar_t* name;
    ReceivedFile file;
    int step;
    std::size_t length;
    std::int64_t value;
  };
  const Row rows[] = {
      {kCmdCheck, L"PCInfo.txt", ReceivedFile::kProfile, kStepCheck, 1, 0},
      {kCmdCheck, L"pcinfo.TXT", ReceivedFile::kProfile, kStepCheck, 700, 0},
      {kCmdDataInfo, L"MigCustom.xml", ReceivedFile::kRules, kStepAccount, kReceiveChunkBytes, 0},
      {kCmdCopy, L"USMT.MIG", ReceivedFile::kStore, kStepFinishCopy, 3 * kReceiveChunkBytes + 1, 0},
      {kCmdFinishCopy, L"APPLIST.INI", ReceivedFile::kAppList, kStepLoad, 5000, 4321},  // the file count
  };
  for (const Row& row : rows) {
    for (const std::size_t piece : kPieces) {
      SCOPED_TRACE(testing::Message() << testing::PrintToString(std::wstring(row.name)) << " in pieces of "
                                      << piece);
      FakeReceiveSink sink;
      FileReceiver receiver(sink);
      const std::string content = Noise(row.length, static_cast<std::uint32_t>(row.length));
      // The next command follows straight after the file.
      FeedInPieces(receiver,
                   Header(row.command, row.name, static_cast<std::int64_t>(content.size()), row.value) + content +
                       Header(kCmdConnect, kNoFileName, 0),
                   piece);
      EXPECT_TRUE(sink.failures.empty());
      EXPECT_TRUE(sink.files[row.file] == content);
      EXPECT_FALSE(sink.IsOpen()) << "the file is closed once complete";
      ASSERT_EQ(sink.steps.size(), 2u);
      EXPECT_EQ(sink.steps[0].step, row.step);
      EXPECT_EQ(sink.steps[0].header.value, row.value);
      EXPECT_EQ(sink.steps[1].step, kStepInit);
    }
  }
}

TEST(FileReceiver, CommandsWithoutFileAreReportedAtOnce) {
  struct Row {
    const wchar_t* command;
    const wchar_t* name;
    int step;  // 0: nothing
    int discards;
  };
  const Row rows[] = {
      {kCmdConnect, kNoFileName, kStepInit, 0},
      {kCmdScan, kNoFileName, kStepScan, 0},
      {kCmdFinishScan, kNoFileName, kStepFinishScan, 0},
      {kCmdFinishScan, kNewStoreName, kStepFinishScan, 1},  // a fresh capture: the old store goes
      {kCmdInit, kNoFileName, 0, 0},                        // the sending PC's command
      {L"|.copy", L"USMT.MIG", 0, 0},                       // commands are compared exactly
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.command) + L" " + row.name));
    FakeReceiveSink sink;
    sink.files[ReceivedFile::kStore] = "partial";
    FileReceiver receiver(sink);
    FeedInPieces(receiver, Header(row.command, row.name, 0, 4242), 256);
    EXPECT_FALSE(receiver.ReceivingFile());
    EXPECT_EQ(sink.discards, row.discards);
    EXPECT_TRUE(sink.opened.empty());
    if (row.step == 0) {
      EXPECT_TRUE(sink.steps.empty());
    } else {
      ASSERT_EQ(sink.steps.size(), 1u);
      EXPECT_EQ(sink.steps[0].step, row.step);
      EXPECT_EQ(sink.steps[0].header.value, 4242);
    }
  }
}

TEST(FileReceiver, RefusesUnsafeFilesWithoutOpeningAnything) {
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
      {kCmdCheck, L"\\\\server\\share\\PCInfo.txt", 10, 0, kEndConnectionFailure},
      {kCmdCheck, L"x\\PCInfo.txt", 10, 0, kEndConnectionFailure},
      {kCmdCheck, L"PCInfo.txt/..", 10, 0, kEndConnectionFailure},
      {kCmdCheck, L"CON", 10, 0, kEndConnectionFailure},
      {kCmdFinishCopy, L"NUL", 10, 0, kEndConnectionFailure},
      {kCmdFinishCopy, L"COM1", 10, 0, kEndConnectionFailure},
      {kCmdFinishCopy, L"PCInfo.txt", 10, 0, kEndConnectionFailure},  // another command's file
      {kCmdDataInfo, L"Tralvex_64.xml", 10, 0, kEndConnectionFailure},
      {kCmdCopy, L"..\\USMT.MIG", 10, 0, kEndConnectionFailure},
      {kCmdCheck, kNoFileName, 10, 0, kEndConnectionFailure},
      {kCmdCheck, L"PCInfo.txt", -5, 0, kEndConnectionFailure},
      {kCmdCheck, L"PCInfo.txt", 0, 0, kEndConnectionFailure},
      {kCmdFinishCopy, L"Applist.ini", 0, 0, kEndConnectionFailure},
      {kCmdCopy, L"USMT.MIG", -1, 0, kEndConnectionFailure},
      {kCmdCopy, L"USMT.MIG", 5000, -1, kEndInvalidFile},  // the sender could not serve the offset
      {kCmdCopy, L"USMT.MIG", 5000, 5000, kEndInvalidFile},
      {kCmdCopy, L"USMT.MIG", 5000, 9000, kEndInvalidFile},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.command) + L" " + row.name + L" " +
                                        std::to_wstring(row.size) + L" " + std::to_wstring(row.value)));
    FakeReceiveSink sink;
    FileReceiver receiver(sink);
    // A well-formed command after the refused one must change nothing.
    FeedInPieces(receiver,
                 Header(row.command, row.name, row.size, row.value) + std::string(10, 'x') +
                     Header(kCmdConnect, kNoFileName, 0),
                 4096);
    EXPECT_TRUE(receiver.Failed());
    EXPECT_EQ(sink.failures, std::vector<int>{row.code});
    EXPECT_TRUE(sink.opened.empty());
    EXPECT_TRUE(sink.files.empty());
    EXPECT_TRUE(sink.steps.empty());
  }
}

TEST(FileReceiver, FileThatCannotBeStoredEndsTheStreamWithoutItsStep) {
  for (const bool cannotCreate : {true, false}) {
    SCOPED_TRACE(cannotCreate ? "cannot create" : "write fails part way");
    FakeReceiveSink sink;
    sink.refuseOpen = cannotCreate;
    sink.failWritesAfter = 100;
    FileReceiver receiver(sink);
    FeedInPieces(receiver, Header(kCmdFinishCopy, L"Applist.ini", 5000) + Noise(5000, 1), 1000);
    EXPECT_EQ(sink.failures, std::vector<int>{kEndConnectionFailure});
    EXPECT_TRUE(sink.steps.empty()) << "a file not stored whole is never acted on";
    EXPECT_FALSE(sink.IsOpen());
  }
}

TEST(FileReceiver, NeverAsksForMoreThanTheFileHasLeft) {
  FakeReceiveSink sink;
  FileReceiver receiver(sink);
  EXPECT_EQ(receiver.Wanted(), kHeaderBytes);
  const std::string header = Header(kCmdCopy, L"USMT.MIG", 100000);
  receiver.Feed(header.data(), header.size());
  EXPECT_EQ(receiver.Wanted(), kReceiveChunkBytes);
  const std::string body = Noise(100000 - 5, 2);
  FeedInPieces(receiver, body, body.size());
  EXPECT_EQ(receiver.Wanted(), 5u);
  // Handed more than the file's rest, it takes only the rest.
  EXPECT_EQ(receiver.Feed("12345678", 8), 5u);
  EXPECT_EQ(receiver.Wanted(), kHeaderBytes);
}

// The receiving PC holds the first `local` bytes of the sending PC's store
// and asks for the rest from `offset`.
struct Resume {
  std::string remote = Noise(9000, 42);
  FakeReceiveSink sink;
  FileReceiver receiver{sink};

  void Hold(std::size_t local) { sink.files[ReceivedFile::kStore] = remote.substr(0, local); }
  std::string Stream(std::size_t offset) const {
    return Header(kCmdCopy, L"USMT.MIG", static_cast<std::int64_t>(remote.size()),
                  static_cast<std::int64_t>(offset)) +
           remote.substr(offset);
  }
};

TEST(FileReceiver, ResumedStoreIsAppendedFromTheOffset) {
  for (const std::size_t piece : kPieces) {
    SCOPED_TRACE(piece);
    Resume r;
    r.Hold(6000);
    FeedInPieces(r.receiver, r.Stream(6000 - kResumeOverlapBytes), piece);
    EXPECT_TRUE(r.sink.failures.empty());
    EXPECT_TRUE(r.sink.files[ReceivedFile::kStore] == r.remote);
    ASSERT_EQ(r.sink.steps.size(), 1u);
    EXPECT_EQ(r.sink.steps[0].step, kStepFinishCopy);
  }
}

TEST(FileReceiver, ResumedStoreThatDiffersIsRefusedBeforeAnythingIsWritten) {
  for (const std::size_t differingAt : {0u, 50u, 99u}) {
    for (const std::size_t piece : kPieces) {
      SCOPED_TRACE(testing::Message() << "byte " << differingAt << ", pieces of " << piece);
      Resume r;
      r.Hold(6000);
      const std::size_t offset = 6000 - kResumeOverlapBytes;
      std::string& local = r.sink.files[ReceivedFile::kStore];
      local[offset + differingAt] = static_cast<char>(local[offset + differingAt] ^ 0x5A);
      const std::string before = local;
      FeedInPieces(r.receiver, r.Stream(offset), piece);
      EXPECT_EQ(r.sink.failures, std::vector<int>{kEndInvalidFile});
      EXPECT_TRUE(r.sink.files[ReceivedFile::kStore] == before);
      EXPECT_TRUE(r.sink.steps.empty());
    }
  }
}

TEST(FileReceiver, SmallResumesGoWithoutProofAndNeverPastTheLocalCopy) {
  struct Row {
    const char* what;
    std::size_t local;
    std::size_t offset;
    bool tamper;  // the local bytes at the offset differ from the sender's
    int failure;  // -1: none
  };
  const Row rows[] = {
      {"offset at the proof limit resumes unproved", 2048, 1024, true, -1},
      {"offset 1 resumes", 1025, 1, false, -1},
      {"offset at the end of the local copy", 3000, 3000, false, -1},
      {"offset beyond the local copy", 3000, 3001, false, kEndInvalidFile},
      {"nothing held at all", 0, 2000, false, kEndConnectionFailure},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Resume r;
    if (row.local > 0) r.Hold(row.local);
    if (row.tamper) r.sink.files[ReceivedFile::kStore][row.offset] ^= 0x01;
    FeedInPieces(r.receiver, r.Stream(row.offset), 512);
    if (row.failure < 0) {
      EXPECT_TRUE(r.sink.failures.empty());
      EXPECT_TRUE(r.sink.files[ReceivedFile::kStore].substr(row.offset) == r.remote.substr(row.offset));
      EXPECT_EQ(r.sink.files[ReceivedFile::kStore].size(), r.remote.size());
    } else {
      EXPECT_EQ(r.sink.failures, std::vector<int>{row.failure});
      EXPECT_TRUE(r.sink.steps.empty());
    }
  }
}

TEST(FileReceiver, ResetForgetsAHalfReceivedFile) {
  FakeReceiveSink sink;
  FileReceiver receiver(sink);
  FeedInPieces(receiver, Header(kCmdCheck, L"PCInfo.txt", 1000) + std::string(10, 'a'), 4096);
  ASSERT_TRUE(receiver.ReceivingFile());
  receiver.Reset();
  FeedInPieces(receiver, Header(kCmdConnect, kNoFileName, 0), 4096);
  ASSERT_EQ(sink.steps.size(), 1u);
  EXPECT_EQ(sink.steps[0].step, kStepInit);
}

}  // namespace
}  // namespace tvx
