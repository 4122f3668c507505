// Where the store's bytes come from and go to: a file when the tool runs,
// memory in tests and in the fuzz target.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tvx {

class File;

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Bytes read, 0 at the end, -1 on failure.
  virtual std::int64_t Read(void* buffer, std::size_t length) = 0;
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual bool Write(const void* data, std::size_t length) = 0;
  // Cuts everything written from `offset` on, to drop an unfinished part.
  virtual bool CutTo(std::uint64_t offset) = 0;
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::int64_t Read(void* buffer, std::size_t length) override;

 private:
  std::string_view bytes_;
  std::size_t position_ = 0;
};

class MemorySink : public ByteSink {
 public:
  bool Write(const void* data, std::size_t length) override;
  bool CutTo(std::uint64_t offset) override;
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Reads or writes an open file from its current position; the file stays
// owned by the caller.
class FileSource : public ByteSource {
 public:
  explicit FileSource(File& file) : file_(file) {}
  std::int64_t Read(void* buffer, std::size_t length) override;

 private:
  File& file_;
};

class FileSink : public ByteSink {
 public:
  explicit FileSink(File& file) : file_(file) {}
  bool Write(const void* data, std::size_t length) override;
  bool CutTo(std::uint64_t offset) override;

 private:
  File& file_;
};

}  // namespace tvx
