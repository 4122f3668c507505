#include "statetool/store_format.h"

#include "base/text.h"
#include "statetool/hash64.h"

namespace tvx {
namespace {

constexpr char kMagic[] = "TVXSTORE";
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kEntryTag = 0x454C4946;    // "FILE"
constexpr std::uint32_t kTrailerTag = 0x454E4F44;  // "DONE"
constexpr std::uint64_t kHeaderSeed = 0x5456584845414452ULL;
constexpr std::uint64_t kStoreSeed = 0x54565853544F5245ULL;

void Put32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>(value >> (8 * i));
}

void Put64(std::string& out, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) out += static_cast<char>(value >> (8 * i));
}

std::uint32_t Get32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::uint64_t Get64(std::string_view bytes, std::size_t at) {
  std::uint64_t value = 0;
  for (int i = 7; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

std::string EncodeStoreHeader() {
  std::string out(kMagic, 8);
  Put32(out, kVersion);
  Put32(out, 0);
  return out;
}

bool IsStoreHeader(std::string_view bytes) {
  return bytes.size() == kStoreHeaderSize && bytes.substr(0, 8) == std::string_view(kMagic, 8) &&
         Get32(bytes, 8) == kVersion && Get32(bytes, 12) == 0;
}

std::string EncodeEntryHeader(const StoreEntry& entry, std::uint64_t& headerDigest) {
  const std::string path = ToUtf16Le(entry.path);
  const std::string account = ToUtf16Le(entry.account);
  std::string out;
  out.reserve(kEntryFixedSize + path.size() + account.size() + kDigestSize);
  Put32(out, kEntryTag);
  Put32(out, static_cast<std::uint32_t>(path.size() / 2));
  Put32(out, static_cast<std::uint32_t>(account.size() / 2));
  Put32(out, entry.attributes);
  Put64(out, entry.size);
  Put64(out, static_cast<std::uint64_t>(entry.created));
  Put64(out, static_cast<std::uint64_t>(entry.accessed));
  Put64(out, static_cast<std::uint64_t>(entry.written));
  out += path;
  out += account;
  headerDigest = HashBytes(out, kHeaderSeed);
  Put64(out, headerDigest);
  return out;
}

std::string EncodeTrailer(const StoreTrailer& trailer) {
  std::string out;
  Put32(out, kTrailerTag);
  Put32(out, 0);
  Put64(out, trailer.entryCount);
  Put64(out, trailer.dataBytes);
  Put64(out, trailer.storeDigest);
  return out;
}

ItemKind PeekItem(std::string_view bytes) {
  if (bytes.size() < 4) return ItemKind::kUnknown;
  const std::uint32_t tag = Get32(bytes, 0);
  if (tag == kEntryTag) return ItemKind::kEntry;
  if (tag == kTrailerTag) return ItemKind::kTrailer;
  return ItemKind::kUnknown;
}

Decoded DecodeEntryHeader(std::string_view bytes, StoreEntry& entry, std::uint64_t& headerDigest,
                          std::size_t& used) {
  used = kEntryFixedSize;
  if (bytes.size() < kEntryFixedSize) return Decoded::kNeedMore;
  if (Get32(bytes, 0) != kEntryTag) return Decoded::kCorrupt;
  const std::uint32_t pathUnits = Get32(bytes, 4);
  const std::uint32_t accountUnits = Get32(bytes, 8);
  if (pathUnits == 0 || pathUnits > kMaxNameUnits || accountUnits > kMaxNameUnits) {
    return Decoded::kCorrupt;
  }
  const std::size_t names = 2 * (static_cast<std::size_t>(pathUnits) + accountUnits);
  used = kEntryFixedSize + names + kDigestSize;
  if (bytes.size() < used) return Decoded::kNeedMore;
  const std::string_view covered = bytes.substr(0, kEntryFixedSize + names);
  headerDigest = Get64(bytes, covered.size());
  if (HashBytes(covered, kHeaderSeed) != headerDigest) return Decoded::kCorrupt;

  entry.attributes = Get32(bytes, 12);
  entry.size = Get64(bytes, 16);
  entry.created = static_cast<std::int64_t>(Get64(bytes, 24));
  entry.accessed = static_cast<std::int64_t>(Get64(bytes, 32));
  entry.written = static_cast<std::int64_t>(Get64(bytes, 40));
  entry.path = FromUtf16Le(bytes.substr(kEntryFixedSize, 2 * std::size_t{pathUnits}));
  entry.account = FromUtf16Le(bytes.substr(kEntryFixedSize + 2 * std::size_t{pathUnits},
                                           2 * std::size_t{accountUnits}));
  return Decoded::kOk;
}

Decoded DecodeTrailer(std::string_view bytes, StoreTrailer& trailer, std::size_t& used) {
  used = kTrailerSize;
  if (bytes.size() < kTrailerSize) return Decoded::kNeedMore;
  if (Get32(bytes, 0) != kTrailerTag || Get32(bytes, 4) != 0) return Decoded::kCorrupt;
  trailer.entryCount = Get64(bytes, 8);
  trailer.dataBytes = Get64(bytes, 16);
  trailer.storeDigest = Get64(bytes, 24);
  return Decoded::kOk;
}

std::string EncodeU64(std::uint64_t value) {
  std::string out;
  Put64(out, value);
  return out;
}

std::uint64_t DecodeU64(std::string_view eightBytes) { return Get64(eightBytes, 0); }

StoreDigest::StoreDigest() : hash_(kStoreSeed) {}

void StoreDigest::AddEntry(std::uint64_t headerDigest, std::uint64_t dataDigest) {
  hash_.AddU64(headerDigest);
  hash_.AddU64(dataDigest);
}

std::uint64_t StoreDigest::Finish(std::uint64_t entryCount, std::uint64_t dataBytes) const {
  Hash64 hash = hash_;
  hash.AddU64(entryCount);
  hash.AddU64(dataBytes);
  return hash.Digest();
}

}  // namespace tvx
