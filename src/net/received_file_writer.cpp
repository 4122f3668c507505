#include "net/received_file_writer.h"

#include "base/debug_output.h"
#include "base/path.h"
#include "core/activity_log.h"
#include "engine/tool_runner.h"
#include "platform/system_error.h"

namespace tvx {

std::int64_t ReceivedFileWriter::Open(ReceivedFile file, std::uint64_t offset) {
  file_.Close();
  if (file == ReceivedFile::kStore) {
    const std::wstring storeFolder = JoinPath(folder_, L"USMT");
    if (!IsFolder(storeFolder) && !MakeFolder(storeFolder)) DebugOut(L"Failed to create USMT folder!");
  }
  const std::wstring path = ReceivedFilePath(folder_, archCode_, file);
  const bool resume = offset != 0;
  std::int64_t length = 0;
  bool opened = file_.Open(path, resume ? OpenMode::ReadWrite : OpenMode::CreateAlways);
  if (opened && resume) {
    length = file_.Size();
    // A file shorter than the offset is left as it is; the receiver refuses it.
    opened = length >= 0 && (static_cast<std::uint64_t>(length) < offset ||
                             file_.Seek(static_cast<std::int64_t>(offset), SeekFrom::Begin) >= 0);
  }
  if (!opened) {
    WriteLogAndTrace(L"File Creation Fail:" + std::to_wstring(SystemErrorCode()));
    file_.Close();
    return -1;
  }
  return length;
}

std::string ReceivedFileWriter::ReadBack(std::uint64_t offset, std::size_t length) {
  std::string bytes(length, '\0');
  const auto at = static_cast<std::int64_t>(offset);
  if (file_.Seek(at, SeekFrom::Begin) < 0) return {};
  const std::int64_t got = file_.Read(bytes.data(), bytes.size());
  if (file_.Seek(at, SeekFrom::Begin) < 0 || got <= 0) return {};
  bytes.resize(static_cast<std::size_t>(got));
  return bytes;
}

void ReceivedFileWriter::DiscardStore() {
  RemoveFile(JoinPath(folder_, kStoreName));
  RemoveFile(JoinPath(folder_, kLoadProgressName));
}

}  // namespace tvx
