// The layout of the migration store USMT\USMT.MIG, our own format:
//
//   store   = header, entry*, trailer
//   header  = "TVXSTORE", u32 version (1), u32 0
//   entry   = u32 'FILE', u32 path units, u32 account units, u32 attributes,
//             u64 size, i64 created, i64 accessed, i64 written (100 ns since
//             1601, 0 when unknown), path and account (UTF-16LE),
//             u64 digest of the entry so far, then the data (size bytes),
//             u64 digest of the data
//   trailer = u32 'DONE', u32 0, u64 entry count, u64 data bytes,
//             u64 store digest
//
// Numbers are little-endian. The store digest runs over every entry's two
// digests, then the count and the data bytes, so a damaged byte anywhere
// fails the check without the data being hashed twice. Nothing may follow
// the trailer. Decoding takes bytes and gives a result, nothing else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "statetool/hash64.h"

namespace tvx {

struct StoreEntry {
  std::wstring path;     // where the file was captured, a program path
  std::wstring account;  // "COMPUTER\user" of its profile, or empty
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
  std::int64_t created = 0;
  std::int64_t accessed = 0;
  std::int64_t written = 0;
};

struct StoreTrailer {
  std::uint64_t entryCount = 0;
  std::uint64_t dataBytes = 0;
  std::uint64_t storeDigest = 0;
};

constexpr std::size_t kStoreHeaderSize = 16;
constexpr std::size_t kEntryFixedSize = 48;
constexpr std::size_t kTrailerSize = 32;
constexpr std::size_t kDigestSize = 8;
// Longest path or account name a store may carry, in UTF-16 units.
constexpr std::uint32_t kMaxNameUnits = 32767;

enum class Decoded {
  kOk,        // a whole item was read; `used` says how many bytes
  kNeedMore,  // the bytes end inside the item: give at least `used` bytes
  kCorrupt,   // not a valid item
};

enum class ItemKind { kEntry, kTrailer, kUnknown };

std::string EncodeStoreHeader();
bool IsStoreHeader(std::string_view bytes);

// The entry header: everything before the data, its own digest included.
// `headerDigest` receives that digest.
std::string EncodeEntryHeader(const StoreEntry& entry, std::uint64_t& headerDigest);
std::string EncodeTrailer(const StoreTrailer& trailer);

// What the item at the start of `bytes` is (kUnknown also when fewer than
// four bytes are there; check the length first).
ItemKind PeekItem(std::string_view bytes);
Decoded DecodeEntryHeader(std::string_view bytes, StoreEntry& entry, std::uint64_t& headerDigest,
                          std::size_t& used);
Decoded DecodeTrailer(std::string_view bytes, StoreTrailer& trailer, std::size_t& used);

// Little-endian 64-bit value, for the data digest after an entry's data.
std::string EncodeU64(std::uint64_t value);
std::uint64_t DecodeU64(std::string_view eightBytes);

// The digest of the whole store, built entry by entry.
class StoreDigest {
 public:
  StoreDigest();
  void AddEntry(std::uint64_t headerDigest, std::uint64_t dataDigest);
  std::uint64_t Finish(std::uint64_t entryCount, std::uint64_t dataBytes) const;

 private:
  Hash64 hash_;
};

}  // namespace tvx
