#include "statetool/store_reader.h"

#include <algorithm>

namespace tvx {
namespace {

constexpr std::size_t kChunk = 1 << 20;

}  // namespace

StoreReader::StoreReader(ByteSource& source) : source_(source) {}

std::string_view StoreReader::Buffered() const {
  return std::string_view(buffer_.data() + start_, end_ - start_);
}

void StoreReader::Consume(std::size_t count) {
  start_ += count;
  consumed_ += count;
}

StoreRead StoreReader::Fill(std::size_t wanted) {
  while (end_ - start_ < wanted && !sourceEnded_) {
    // Keep the unread rest at the front; the buffer is allocated once.
    std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(start_),
              buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
    end_ -= start_;
    start_ = 0;
    if (buffer_.size() < std::max(kChunk, wanted)) buffer_.resize(std::max(kChunk, wanted));
    const std::int64_t got = source_.Read(buffer_.data() + end_, buffer_.size() - end_);
    if (got < 0) return StoreRead::kReadError;
    if (got == 0) sourceEnded_ = true;
    end_ += static_cast<std::size_t>(got);
  }
  return StoreRead::kOk;
}

StoreRead StoreReader::ReadHeader() {
  if (const StoreRead filled = Fill(kStoreHeaderSize); filled != StoreRead::kOk) return filled;
  const std::string_view bytes = Buffered();
  if (bytes.size() < kStoreHeaderSize || !IsStoreHeader(bytes.substr(0, kStoreHeaderSize))) {
    return StoreRead::kCorrupt;
  }
  Consume(kStoreHeaderSize);
  headerRead_ = true;
  return StoreRead::kOk;
}

StoreRead StoreReader::ReadTrailer() {
  StoreTrailer trailer;
  std::size_t used = 0;
  if (const StoreRead filled = Fill(kTrailerSize); filled != StoreRead::kOk) return filled;
  if (DecodeTrailer(Buffered(), trailer, used) != Decoded::kOk) return StoreRead::kCorrupt;
  Consume(used);
  if (trailer.entryCount != entryCount_ || trailer.dataBytes != dataBytes_ ||
      trailer.storeDigest != storeDigest_.Finish(entryCount_, dataBytes_)) {
    return StoreRead::kCorrupt;
  }
  // Anything after the trailer means the store is not what was written.
  if (const StoreRead filled = Fill(1); filled != StoreRead::kOk) return filled;
  return Buffered().empty() ? StoreRead::kEnd : StoreRead::kCorrupt;
}

StoreRead StoreReader::ReadEntryHeader(StoreEntry& entry) {
  std::size_t used = 0;
  Decoded decoded;
  while ((decoded = DecodeEntryHeader(Buffered(), entry, headerDigest_, used)) == Decoded::kNeedMore) {
    const std::size_t before = Buffered().size();
    if (const StoreRead filled = Fill(used); filled != StoreRead::kOk) return filled;
    if (Buffered().size() == before) return StoreRead::kCorrupt;  // the store ends inside the header
  }
  if (decoded != Decoded::kOk) return StoreRead::kCorrupt;
  Consume(used);
  dataPending_ = true;
  pendingSize_ = entry.size;
  return StoreRead::kOk;
}

StoreRead StoreReader::Next(StoreEntry& entry) {
  if (failed_ != StoreRead::kOk) return failed_;
  StoreRead result = headerRead_ ? StoreRead::kOk : ReadHeader();
  if (result == StoreRead::kOk && dataPending_) result = ReadData({});
  if (result == StoreRead::kOk) result = Fill(4);
  if (result == StoreRead::kOk) {
    switch (PeekItem(Buffered())) {
      case ItemKind::kEntry: result = ReadEntryHeader(entry); break;
      case ItemKind::kTrailer: result = ReadTrailer(); break;
      case ItemKind::kUnknown: result = StoreRead::kCorrupt; break;
    }
  }
  // The end is final too: a store is read once.
  if (result != StoreRead::kOk) failed_ = result;
  return result;
}

StoreRead StoreReader::ReadData(const DataReceiver& receiver) {
  if (failed_ != StoreRead::kOk) return failed_;
  if (!dataPending_) return StoreRead::kOk;
  Hash64 hash;
  bool refused = false;
  std::uint64_t left = pendingSize_;
  while (left > 0) {
    if (Buffered().empty()) {
      if (const StoreRead filled = Fill(1); filled != StoreRead::kOk) return failed_ = filled;
      if (Buffered().empty()) return failed_ = StoreRead::kCorrupt;
    }
    const std::string_view piece =
        Buffered().substr(0, static_cast<std::size_t>(std::min<std::uint64_t>(left, Buffered().size())));
    hash.Add(piece);
    if (receiver && !refused) refused = !receiver(piece.data(), piece.size());
    Consume(piece.size());
    left -= piece.size();
  }
  if (const StoreRead filled = Fill(kDigestSize); filled != StoreRead::kOk) return failed_ = filled;
  if (Buffered().size() < kDigestSize) return failed_ = StoreRead::kCorrupt;
  const std::uint64_t dataDigest = DecodeU64(Buffered().substr(0, kDigestSize));
  Consume(kDigestSize);
  if (dataDigest != hash.Digest()) return failed_ = StoreRead::kCorrupt;
  storeDigest_.AddEntry(headerDigest_, dataDigest);
  ++entryCount_;
  dataBytes_ += pendingSize_;
  dataPending_ = false;
  return refused ? StoreRead::kStopped : StoreRead::kOk;
}

StoreRead VerifyStore(ByteSource& source) {
  StoreReader reader(source);
  StoreEntry entry;
  StoreRead result;
  while ((result = reader.Next(entry)) == StoreRead::kOk) {
  }
  return result;
}

}  // namespace tvx
