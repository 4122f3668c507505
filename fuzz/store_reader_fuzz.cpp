// libFuzzer target: the store reader. A store arrives from another PC, so
// any bytes must be refused or read without crashing or reading out of
// bounds; only an intact store may read to its end.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "statetool/byte_stream.h"
#include "statetool/store_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  tvx::MemorySource source(bytes);
  tvx::StoreReader reader(source);
  tvx::StoreEntry entry;
  std::uint64_t seen = 0;
  while (reader.Next(entry) == tvx::StoreRead::kOk) {
    // Take every other entry's data, refuse the rest, like a load that
    // leaves accounts out.
    if (++seen % 2 == 0) reader.ReadData([](const char*, std::size_t) { return false; });
  }
  return 0;
}
