// Writes a store (store_format.h) to a sink, entry by entry, with the data
// of each entry streamed in pieces. Output is gathered into large writes so
// many small files cost few system calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "statetool/byte_stream.h"
#include "statetool/hash64.h"
#include "statetool/store_format.h"

namespace tvx {

class StoreWriter {
 public:
  explicit StoreWriter(ByteSink& sink);

  bool Begin();
  // Starts an entry whose data is exactly entry.size bytes.
  bool BeginEntry(const StoreEntry& entry);
  // Fails when more than the announced size is given.
  bool AddData(const void* data, std::size_t length);
  // Fails when fewer bytes than announced were given; the entry is then
  // still open and can be dropped.
  bool EndEntry();
  // Drops the open entry as if it had never been started.
  bool DropEntry();
  // Writes the trailer and everything still buffered.
  bool Finish();

  std::uint64_t EntryCount() const { return entryCount_; }
  std::uint64_t DataBytes() const { return dataBytes_; }

 private:
  bool Put(const void* data, std::size_t length);
  bool FlushBuffer();

  ByteSink& sink_;
  std::string buffer_;
  std::uint64_t flushed_ = 0;      // bytes already handed to the sink
  std::uint64_t entryStart_ = 0;   // store offset of the open entry
  bool entryOpen_ = false;
  std::uint64_t entrySize_ = 0;
  std::uint64_t entryDone_ = 0;
  std::uint64_t headerDigest_ = 0;
  Hash64 dataHash_;
  StoreDigest storeDigest_;
  std::uint64_t entryCount_ = 0;
  std::uint64_t dataBytes_ = 0;
};

}  // namespace tvx
