#include "statetool/store_writer.h"

namespace tvx {
namespace {

constexpr std::size_t kBufferSize = 1 << 20;

}  // namespace

StoreWriter::StoreWriter(ByteSink& sink) : sink_(sink) { buffer_.reserve(kBufferSize); }

bool StoreWriter::Begin() {
  const std::string header = EncodeStoreHeader();
  return Put(header.data(), header.size());
}

bool StoreWriter::BeginEntry(const StoreEntry& entry) {
  if (entryOpen_) return false;
  entryStart_ = flushed_ + buffer_.size();
  const std::string header = EncodeEntryHeader(entry, headerDigest_);
  if (!Put(header.data(), header.size())) return false;
  entryOpen_ = true;
  entrySize_ = entry.size;
  entryDone_ = 0;
  dataHash_ = Hash64();
  return true;
}

bool StoreWriter::AddData(const void* data, std::size_t length) {
  if (!entryOpen_ || length > entrySize_ - entryDone_) return false;
  dataHash_.Add(data, length);
  entryDone_ += length;
  return Put(data, length);
}

bool StoreWriter::EndEntry() {
  if (!entryOpen_ || entryDone_ != entrySize_) return false;
  const std::uint64_t dataDigest = dataHash_.Digest();
  const std::string digest = EncodeU64(dataDigest);
  if (!Put(digest.data(), digest.size())) return false;
  storeDigest_.AddEntry(headerDigest_, dataDigest);
  entryOpen_ = false;
  ++entryCount_;
  dataBytes_ += entrySize_;
  return true;
}

bool StoreWriter::DropEntry() {
  if (!entryOpen_) return true;
  entryOpen_ = false;
  if (entryStart_ >= flushed_) {
    buffer_.resize(static_cast<std::size_t>(entryStart_ - flushed_));
    return true;
  }
  buffer_.clear();
  if (!sink_.CutTo(entryStart_)) return false;
  flushed_ = entryStart_;
  return true;
}

bool StoreWriter::Finish() {
  if (entryOpen_) return false;
  StoreTrailer trailer;
  trailer.entryCount = entryCount_;
  trailer.dataBytes = dataBytes_;
  trailer.storeDigest = storeDigest_.Finish(entryCount_, dataBytes_);
  const std::string bytes = EncodeTrailer(trailer);
  return Put(bytes.data(), bytes.size()) && FlushBuffer();
}

bool StoreWriter::Put(const void* data, std::size_t length) {
  if (buffer_.size() + length <= kBufferSize) {
    buffer_.append(static_cast<const char*>(data), length);
    return true;
  }
  // Large pieces go straight through instead of being copied twice.
  if (!FlushBuffer()) return false;
  if (length >= kBufferSize / 2) {
    if (!sink_.Write(data, length)) return false;
    flushed_ += length;
    return true;
  }
  buffer_.append(static_cast<const char*>(data), length);
  return true;
}

bool StoreWriter::FlushBuffer() {
  if (buffer_.empty()) return true;
  if (!sink_.Write(buffer_.data(), buffer_.size())) return false;
  flushed_ += buffer_.size();
  buffer_.clear();
  return true;
}

}  // namespace tvx
