// The disk side of receiving: opens, writes and closes the file being
// received, inside one program folder, by the paths of received_file.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "base/file.h"
#include "net/received_file.h"

namespace tvx {

class ReceivedFileWriter {
 public:
  // `programFolder`: where everything received is stored; `archCode` picks
  // the tool folder for the rule file.
  ReceivedFileWriter(std::wstring programFolder, std::int32_t archCode)
      : folder_(std::move(programFolder)), archCode_(archCode) {}

  // As ReceiveSink::OpenFile. The store's folder is made first.
  std::int64_t Open(ReceivedFile file, std::uint64_t offset);
  std::string ReadBack(std::uint64_t offset, std::size_t length);
  bool Write(const char* data, std::size_t length) { return file_.Write(data, length); }
  void Close() { file_.Close(); }
  bool IsOpen() const { return file_.IsOpen(); }
  // Removes the store and the apply's progress file.
  void DiscardStore();

  const std::wstring& Folder() const { return folder_; }

 private:
  std::wstring folder_;
  std::int32_t archCode_;
  File file_;
};

}  // namespace tvx
