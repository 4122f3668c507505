#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "statetool/byte_stream.h"
#include "statetool/hash64.h"
#include "statetool/store_reader.h"
#include "statetool/store_writer.h"

namespace tvx {
namespace {

struct Item {
  StoreEntry entry;
  std::string data;
};

std::vector<Item> SampleItems() {
  std::vector<Item> items(3);
  items[0].entry.path = L"C:\\Users\\alice\\notes [old].txt";
  items[0].entry.account = L"OLDPC\\alice";
  items[0].data = "hello\r\n";
  items[0].entry.attributes = 0x21;
  items[0].entry.created = 132000000000000000;
  items[0].entry.accessed = 132000000000000001;
  items[0].entry.written = 132000000000000002;
  items[1].entry.path = L"C:\\Users\\alice\\Gr\u00fc\u00dfe \u65e5\u672c.txt";
  items[1].entry.account = L"OLDPC\\alice";
  items[2].entry.path = L"D:\\Data\\mixed.bin";
  for (int i = 0; i < 100000; ++i) items[2].data += static_cast<char>(i * 7 + i / 13);
  for (Item& item : items) item.entry.size = item.data.size();
  return items;
}

// Writes the items, handing the data over in pieces of `piece` bytes.
std::string WriteStore(const std::vector<Item>& items, std::size_t piece = 4096) {
  MemorySink sink;
  StoreWriter writer(sink);
  EXPECT_TRUE(writer.Begin());
  for (const Item& item : items) {
    EXPECT_TRUE(writer.BeginEntry(item.entry));
    for (std::size_t at = 0; at < item.data.size(); at += piece) {
      EXPECT_TRUE(writer.AddData(item.data.data() + at, std::min(piece, item.data.size() - at)));
    }
    EXPECT_TRUE(writer.EndEntry());
  }
  EXPECT_TRUE(writer.Finish());
  return sink.Bytes();
}

StoreRead Verify(const std::string& bytes) {
  MemorySource source(bytes);
  return VerifyStore(source);
}

TEST(Store, ReadsBackWhatWasWritten) {
  const std::vector<Item> items = SampleItems();
  const std::string bytes = WriteStore(items, 333);
  MemorySource source(bytes);
  StoreReader reader(source);
  for (const Item& item : items) {
    StoreEntry entry;
    ASSERT_EQ(reader.Next(entry), StoreRead::kOk);
    EXPECT_EQ(entry.path, item.entry.path);
    EXPECT_EQ(entry.account, item.entry.account);
    EXPECT_EQ(entry.size, item.entry.size);
    EXPECT_EQ(entry.attributes, item.entry.attributes);
    EXPECT_EQ(entry.created, item.entry.created);
    EXPECT_EQ(entry.accessed, item.entry.accessed);
    EXPECT_EQ(entry.written, item.entry.written);
    std::string data;
    ASSERT_EQ(reader.ReadData([&](const char* p, std::size_t n) {
      data.append(p, n);
      return true;
    }),
              StoreRead::kOk);
    EXPECT_EQ(data, item.data);
  }
  StoreEntry entry;
  EXPECT_EQ(reader.Next(entry), StoreRead::kEnd);
  EXPECT_EQ(reader.EntryCount(), items.size());
  EXPECT_EQ(Verify(WriteStore({})), StoreRead::kEnd);
}

TEST(Store, RefusesEveryFlippedByte) {
  std::vector<Item> items = SampleItems();
  items[2].data.resize(200);
  items[2].entry.size = 200;
  const std::string good = WriteStore(items);
  ASSERT_EQ(Verify(good), StoreRead::kEnd);
  for (std::size_t at = 0; at < good.size(); ++at) {
    std::string bad = good;
    bad[at] = static_cast<char>(bad[at] ^ 0x10);
    EXPECT_EQ(Verify(bad), StoreRead::kCorrupt) << "byte " << at;
  }
}

TEST(Store, RefusesATruncatedOrExtendedStore) {
  const std::string good = WriteStore(SampleItems());
  for (std::size_t length = 0; length < good.size(); length += (length < 600 ? 1 : 997)) {
    EXPECT_EQ(Verify(good.substr(0, length)), StoreRead::kCorrupt) << "length " << length;
  }
  EXPECT_EQ(Verify(good.substr(0, good.size() - 1)), StoreRead::kCorrupt);
  EXPECT_EQ(Verify(good + '\0'), StoreRead::kCorrupt);
  EXPECT_EQ(Verify(good + good), StoreRead::kCorrupt);
}

TEST(Store, WriterHoldsEachEntryToItsAnnouncedSize) {
  MemorySink sink;
  StoreWriter writer(sink);
  ASSERT_TRUE(writer.Begin());
  StoreEntry entry;
  entry.path = L"C:\\a";
  entry.size = 4;
  ASSERT_TRUE(writer.BeginEntry(entry));
  EXPECT_FALSE(writer.AddData("12345", 5));
  EXPECT_TRUE(writer.AddData("123", 3));
  EXPECT_FALSE(writer.EndEntry());  // one byte short
  EXPECT_FALSE(writer.Finish());    // the entry is still open
}

TEST(Store, ADroppedEntryLeavesNoTrace) {
  // Small entries are dropped from the buffer; one beyond the buffer has
  // reached the sink already and must be cut from it.
  for (const std::size_t size : {std::size_t{10}, std::size_t{3} << 20}) {
    SCOPED_TRACE(size);
    std::vector<Item> items = SampleItems();
    MemorySink sink;
    StoreWriter writer(sink);
    ASSERT_TRUE(writer.Begin());
    StoreEntry doomed;
    doomed.path = L"C:\\shrinking.bin";
    doomed.size = size + 100;
    ASSERT_TRUE(writer.BeginEntry(doomed));
    const std::string data(size, 'x');
    ASSERT_TRUE(writer.AddData(data.data(), data.size()));
    ASSERT_TRUE(writer.DropEntry());
    for (const Item& item : items) {
      ASSERT_TRUE(writer.BeginEntry(item.entry));
      ASSERT_TRUE(writer.AddData(item.data.data(), item.data.size()));
      ASSERT_TRUE(writer.EndEntry());
    }
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(sink.Bytes(), WriteStore(items));
  }
}

TEST(Store, ReaderGoesOnAfterARefusedEntry) {
  const std::vector<Item> items = SampleItems();
  const std::string bytes = WriteStore(items);
  MemorySource source(bytes);
  StoreReader reader(source);
  StoreEntry entry;
  ASSERT_EQ(reader.Next(entry), StoreRead::kOk);
  ASSERT_EQ(reader.Next(entry), StoreRead::kOk);  // the first entry's data is checked and passed over
  ASSERT_EQ(reader.Next(entry), StoreRead::kOk);
  EXPECT_EQ(reader.ReadData([](const char*, std::size_t) { return false; }), StoreRead::kStopped);
  EXPECT_EQ(reader.Next(entry), StoreRead::kEnd);

  // A refused piece whose data turns out damaged still reports the damage.
  std::string bad = bytes;
  bad[bad.size() - 60] ^= 1;  // inside the last entry's data
  MemorySource badSource(bad);
  StoreReader badReader(badSource);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(badReader.Next(entry), StoreRead::kOk);
  EXPECT_EQ(badReader.ReadData([](const char*, std::size_t) { return false; }), StoreRead::kCorrupt);
  EXPECT_EQ(badReader.Next(entry), StoreRead::kCorrupt);
}

TEST(Store, DigestDoesNotDependOnHowBytesArrive) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += static_cast<char>(i * 31 + 7);
  for (const std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{31}, std::size_t{32},
                                   std::size_t{33}, std::size_t{64}, std::size_t{1000}}) {
    const std::string_view whole(bytes.data(), length);
    const std::uint64_t expected = HashBytes(whole);
    for (const std::size_t piece : {std::size_t{1}, std::size_t{5}, std::size_t{32}, std::size_t{33}}) {
      Hash64 hash;
      for (std::size_t at = 0; at < length; at += piece) hash.Add(whole.substr(at, piece));
      EXPECT_EQ(hash.Digest(), expected) << length << " in pieces of " << piece;
    }
  }
  // Length and position both count.
  EXPECT_NE(HashBytes(std::string(32, '\0')), HashBytes(std::string(33, '\0')));
  EXPECT_NE(HashBytes("ab"), HashBytes("ba"));
}

}  // namespace
}  // namespace tvx
