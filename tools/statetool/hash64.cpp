#include "statetool/hash64.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tvx {
namespace {

// Odd constants with well-spread bits; four lanes let the multiplies of
// neighbouring words run side by side.
constexpr std::uint64_t kM1 = 0x9E3779B97F4A7C15ULL;
constexpr std::uint64_t kM2 = 0xC6A4A7935BD1E995ULL;
constexpr std::uint64_t kM3 = 0xFF51AFD7ED558CCDULL;
constexpr std::uint64_t kM4 = 0xC4CEB9FE1A85EC53ULL;
constexpr std::size_t kStripe = 32;

std::uint64_t Rotl(std::uint64_t v, int bits) { return (v << bits) | (v >> (64 - bits)); }

// Words are read little-endian, so a store hashes alike on every build.
std::uint64_t Load64(const unsigned char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);
  if constexpr (std::endian::native == std::endian::big) {
    v = ((v & 0x00000000FFFFFFFFULL) << 32) | (v >> 32);
    v = ((v & 0x0000FFFF0000FFFFULL) << 16) | ((v >> 16) & 0x0000FFFF0000FFFFULL);
    v = ((v & 0x00FF00FF00FF00FFULL) << 8) | ((v >> 8) & 0x00FF00FF00FF00FFULL);
  }
  return v;
}

std::uint64_t Round(std::uint64_t lane, std::uint64_t word) {
  return Rotl(lane + word * kM2, 31) * kM1;
}

std::uint64_t Avalanche(std::uint64_t h) {
  h ^= h >> 33;
  h *= kM3;
  h ^= h >> 33;
  h *= kM4;
  h ^= h >> 33;
  return h;
}

}  // namespace

Hash64::Hash64(std::uint64_t seed)
    : lanes_{seed + kM1 + kM2, seed + kM2, seed, seed - kM1}, seed_(seed) {}

void Hash64::Stripes(const unsigned char* data, std::size_t count) {
  std::uint64_t a = lanes_[0], b = lanes_[1], c = lanes_[2], d = lanes_[3];
  for (std::size_t i = 0; i < count; ++i, data += kStripe) {
    a = Round(a, Load64(data));
    b = Round(b, Load64(data + 8));
    c = Round(c, Load64(data + 16));
    d = Round(d, Load64(data + 24));
  }
  lanes_[0] = a;
  lanes_[1] = b;
  lanes_[2] = c;
  lanes_[3] = d;
}

void Hash64::Add(const void* data, std::size_t length) {
  const unsigned char* bytes = static_cast<const unsigned char*>(data);
  total_ += length;
  if (pendingLength_ > 0) {
    const std::size_t take = std::min(kStripe - pendingLength_, length);
    std::memcpy(pending_ + pendingLength_, bytes, take);
    pendingLength_ += take;
    bytes += take;
    length -= take;
    if (pendingLength_ < kStripe) return;
    Stripes(pending_, 1);
    pendingLength_ = 0;
  }
  const std::size_t whole = length / kStripe;
  Stripes(bytes, whole);
  bytes += whole * kStripe;
  length -= whole * kStripe;
  std::memcpy(pending_, bytes, length);
  pendingLength_ = length;
}

void Hash64::AddU64(std::uint64_t value) {
  unsigned char bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
  Add(bytes, sizeof bytes);
}

std::uint64_t Hash64::Digest() const {
  std::uint64_t h;
  if (total_ >= kStripe) {
    h = Rotl(lanes_[0], 1) + Rotl(lanes_[1], 7) + Rotl(lanes_[2], 12) + Rotl(lanes_[3], 18);
    for (const std::uint64_t lane : lanes_) h = (h ^ Round(0, lane)) * kM1 + kM4;
  } else {
    h = seed_ + kM3;
  }
  h += total_;
  const unsigned char* p = pending_;
  std::size_t left = pendingLength_;
  for (; left >= 8; left -= 8, p += 8) h = Rotl(h ^ Round(0, Load64(p)), 27) * kM1 + kM4;
  for (; left > 0; --left, ++p) h = Rotl(h ^ (*p * kM3), 11) * kM1;
  return Avalanche(h);
}

std::uint64_t HashBytes(std::string_view bytes, std::uint64_t seed) {
  Hash64 hash(seed);
  hash.Add(bytes);
  return hash.Digest();
}

}  // namespace tvx
