// A receive sink that keeps the received files in memory and records every
// command and failure, for tests of the receiver.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "net/file_receiver.h"

namespace tvx {

class FakeReceiveSink final : public ReceiveSink {
 public:
  struct Step {
    int step;
    CommandHeader header;
  };

  std::map<ReceivedFile, std::string> files;  // what is on "disk"
  std::vector<Step> steps;
  std::vector<int> failures;
  std::vector<std::wstring> log;
  std::vector<ReceivedFile> opened;  // every open, in order
  bool refuseOpen = false;                 // no file can be created
  std::size_t failWritesAfter = SIZE_MAX;  // bytes that can be written in all

  bool IsOpen() const { return open_; }

  std::int64_t OpenFile(ReceivedFile file, std::uint64_t offset) override {
    opened.push_back(file);
    if (refuseOpen) return -1;
    auto found = files.find(file);
    if (offset != 0 && found == files.end()) return -1;
    std::string& bytes = files[file];
    if (offset == 0) bytes.clear();
    current_ = file;
    position_ = offset;
    open_ = true;
    return static_cast<std::int64_t>(bytes.size());
  }

  std::string ReadBack(std::uint64_t offset, std::size_t length) override {
    const std::string& bytes = files[current_];
    if (offset >= bytes.size()) return {};
    return bytes.substr(offset, length);
  }

  bool WriteFile(const char* data, std::size_t length) override {
    if (!open_) return false;
    if (length > failWritesAfter) return false;
    failWritesAfter -= std::min(failWritesAfter, length);
    std::string& bytes = files[current_];
    if (bytes.size() < position_ + length) bytes.resize(position_ + length);
    bytes.replace(position_, length, data, length);
    position_ += length;
    return true;
  }

  void CloseFile() override { open_ = false; }
  void DiscardStore() override { files.erase(ReceivedFile::kStore); }
  void Dispatch(int step, const CommandHeader& header) override { steps.push_back({step, header}); }
  void Fail(int code) override { failures.push_back(code); }
  void Log(std::wstring_view line) override { log.emplace_back(line); }

 private:
  ReceivedFile current_ = ReceivedFile::kProfile;
  std::uint64_t position_ = 0;
  bool open_ = false;
};

}  // namespace tvx
