#include "net/protocol.h"

#include <vector>

#include "base/number_text.h"
#include "base/text.h"

namespace tvx {

std::wstring HeaderText(std::wstring_view command, std::wstring_view name, std::int64_t size,
                        std::int64_t value) {
  std::wstring text = L"HEADER?";
  text.append(command).append(L"?").append(name).append(L"?");
  text += std::to_wstring(size) + L"?" + std::to_wstring(value);
  if (text.size() > kHeaderBufferUnits - 1) text.resize(kHeaderBufferUnits - 1);
  return text;
}

std::string EncodeHeader(std::wstring_view text) {
  std::string block = ToUtf16Le(text);
  block.resize(kHeaderBytes, '\0');
  return block;
}

std::string EncodeHeader(const CommandHeader& header) {
  return EncodeHeader(HeaderText(header.command, header.name, header.size, header.value));
}

std::wstring HeaderBlockText(std::string_view block) {
  if (block.size() > kHeaderBytes) block = block.substr(0, kHeaderBytes);
  std::size_t end = 0;
  while (end + 1 < block.size() && (block[end] != '\0' || block[end + 1] != '\0')) end += 2;
  return FromUtf16Le(block.substr(0, end));
}

CommandHeader ParseHeader(std::string_view block) {
  const std::wstring text = HeaderBlockText(block);
  std::vector<std::wstring_view> fields;
  const std::wstring_view all(text);
  std::size_t start = 0;
  while (start <= all.size()) {
    std::size_t stop = all.find(L'?', start);
    if (stop == std::wstring_view::npos) stop = all.size();
    if (stop > start) fields.push_back(all.substr(start, stop - start));
    start = stop + 1;
  }
  CommandHeader header;
  if (fields.size() > 1) header.command = fields[1];
  if (fields.size() > 2) header.name = fields[2];
  if (fields.size() > 3) header.size = ParseInt64(fields[3]);
  if (fields.size() > 4) header.value = ParseInt64(fields[4]);
  return header;
}

bool IsNamePlaceholder(std::wstring_view name) { return name == kNoFileName || name == kNewStoreName; }

int SendingPcStep(std::wstring_view command) {
  struct Row {
    const wchar_t* command;
    int step;
  };
  static constexpr Row kRows[] = {
      {kCmdInit, kStepInit},         {kCmdCheck, kStepCheck},           {kCmdAccount, kStepAccount},
      {kCmdScan, kStepScan},         {kCmdCopy, kStepCopyRequest},      {kCmdFinishCopy, kStepFinishCopy},
      {kCmdLoad, kStepLoad},         {kCmdFinish, kStepFinish},
  };
  for (const Row& row : kRows)
    if (command == row.command) return row.step;
  return 0;
}

int ReceivingPcStep(std::wstring_view command) {
  struct Row {
    const wchar_t* command;
    int step;
  };
  static constexpr Row kRows[] = {
      {kCmdConnect, kStepInit},           {kCmdCheck, kStepCheck},  {kCmdDataInfo, kStepAccount},
      {kCmdScan, kStepScan},              {kCmdFinishScan, kStepFinishScan},
      {kCmdCopy, kStepFinishCopy},        {kCmdFinishCopy, kStepLoad},
  };
  for (const Row& row : kRows)
    if (command == row.command) return row.step;
  return 0;
}

std::uint16_t InternetChecksum(const void* data, std::size_t length) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  std::uint64_t sum = 0;
  std::size_t i = 0;
  for (; i + 1 < length; i += 2) sum += static_cast<std::uint32_t>(bytes[i]) | (static_cast<std::uint32_t>(bytes[i + 1]) << 8);
  if (i < length) sum += bytes[i];
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<std::uint16_t>(~sum & 0xFFFF);
}

}  // namespace tvx
