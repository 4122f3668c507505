// Reads a store (store_format.h) from a source and checks it as it goes:
// every entry header, every entry's data and, at the trailer, the store as a
// whole. Only a store read to kEnd is known to be whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "statetool/byte_stream.h"
#include "statetool/hash64.h"
#include "statetool/store_format.h"

namespace tvx {

enum class StoreRead {
  kOk,         // an entry (Next) or its data (ReadData) was read
  kEnd,        // the trailer was read and the whole store checks out
  kCorrupt,    // damaged, truncated or not a store
  kReadError,  // the source failed
  kStopped,    // the receiver refused the data; the rest was checked and passed over
};

class StoreReader {
 public:
  // Receives the data of an entry in pieces; false stops reading.
  using DataReceiver = std::function<bool(const char* data, std::size_t length)>;

  explicit StoreReader(ByteSource& source);

  // The next entry. Data of the previous entry that was not read is read
  // (and checked) first.
  StoreRead Next(StoreEntry& entry);
  // The data of the entry Next gave, checked against its digest. With an
  // empty receiver the data is only checked. Once the receiver refuses a
  // piece it gets no more, but the data is still read and checked, so the
  // next entry can follow (kStopped, or kCorrupt when the check fails).
  StoreRead ReadData(const DataReceiver& receiver);

  std::uint64_t EntryCount() const { return entryCount_; }
  // Store bytes consumed so far.
  std::uint64_t Position() const { return consumed_; }

 private:
  // At least `wanted` bytes buffered, unless the source ends first.
  StoreRead Fill(std::size_t wanted);
  std::string_view Buffered() const;
  void Consume(std::size_t count);
  StoreRead ReadHeader();
  StoreRead ReadEntryHeader(StoreEntry& entry);
  StoreRead ReadTrailer();

  ByteSource& source_;
  std::vector<char> buffer_;
  std::size_t start_ = 0;      // unread bytes are buffer_[start_, end_)
  std::size_t end_ = 0;
  bool sourceEnded_ = false;
  bool headerRead_ = false;
  bool dataPending_ = false;   // Next gave an entry whose data is unread
  StoreRead failed_ = StoreRead::kOk;  // sticky once something went wrong
  std::uint64_t pendingSize_ = 0;
  std::uint64_t headerDigest_ = 0;
  StoreDigest storeDigest_;
  std::uint64_t entryCount_ = 0;
  std::uint64_t dataBytes_ = 0;
  std::uint64_t consumed_ = 0;
};

// Reads the whole store from `source` and says whether it is sound.
StoreRead VerifyStore(ByteSource& source);

}  // namespace tvx
