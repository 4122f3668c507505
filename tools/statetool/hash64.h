// A fast 64-bit digest for the store: each file's data and the store as a
// whole carry one, so a flipped or missing byte is found before anything is
// written on the receiving PC. It guards against damage in transit and on
// disk, not against someone forging a store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tvx {

// Streaming digest: Add() bytes in any pieces, Digest() gives the same value
// as for one piece with all of them. Digest() may be called at any time.
class Hash64 {
 public:
  explicit Hash64(std::uint64_t seed = 0);
  void Add(const void* data, std::size_t length);
  void Add(std::string_view bytes) { Add(bytes.data(), bytes.size()); }
  void AddU64(std::uint64_t value);
  std::uint64_t Digest() const;

 private:
  void Stripes(const unsigned char* data, std::size_t count);

  std::uint64_t lanes_[4];
  std::uint64_t seed_;
  std::uint64_t total_ = 0;
  unsigned char pending_[32];
  std::size_t pendingLength_ = 0;
};

std::uint64_t HashBytes(std::string_view bytes, std::uint64_t seed = 0);

}  // namespace tvx
