// The command protocol between the two PCs: one fixed 256-byte header block
// per command, optionally followed by a file's bytes, on one TCP connection.
// This is the pure codec: formatting and parsing a header, the vocabulary,
// the step codes and the checksum that proves a resumed store. No socket and
// no file in here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/wizard_messages.h"

namespace tvx {

inline constexpr unsigned kTransferPort = 20101;

// A header is formatted into a zero-filled buffer of this many UTF-16 units
// (at most one less plus a terminating zero), and its first 256 bytes, 128
// units, go on the wire. Longer texts therefore arrive cut and unterminated.
inline constexpr std::size_t kHeaderBufferUnits = 260;
inline constexpr std::size_t kHeaderBytes = 256;
inline constexpr std::size_t kHeaderUnits = kHeaderBytes / 2;

// Files go out in blocks of this size so the sender can count its progress:
// the first call carries the header and one block; after it, the blocks go
// to the socket many at a time, in one call of kSendPieceBytes.
inline constexpr std::size_t kSendBlockBytes = 51200;
inline constexpr std::size_t kSendPieceBytes = 20 * kSendBlockBytes;
// One receive call takes at most this much of a file, and it is written to
// the file in one call.
inline constexpr std::size_t kReceiveChunkBytes = 256 * 1024;
// A resumed store starts this many bytes before the end of the partial copy,
// and this many of those re-sent bytes prove both PCs hold the same store.
inline constexpr std::int64_t kResumeOverlapBytes = 1024;
inline constexpr std::size_t kResumeProofBytes = 100;

// Name placeholders. The receiver drops empty fields when it splits a header,
// so "no file" needs a name of its own to keep size and value in place.
inline constexpr wchar_t kNoFileName[] = L" \"\" ";
inline constexpr wchar_t kNewStoreName[] = L"NEW";  // with FINISHSCAN: a fresh capture

// Command words, as sent (with their "|." prefix) and compared (exactly).
inline constexpr wchar_t kCmdConnect[] = L"|.CONNECT";
inline constexpr wchar_t kCmdInit[] = L"|.INIT";
inline constexpr wchar_t kCmdCheck[] = L"|.CHECK";
inline constexpr wchar_t kCmdDataInfo[] = L"|.DATAINFO";
inline constexpr wchar_t kCmdAccount[] = L"|.ACCOUNT";
inline constexpr wchar_t kCmdScan[] = L"|.SCAN";
inline constexpr wchar_t kCmdFinishScan[] = L"|.FINISHSCAN";
inline constexpr wchar_t kCmdCopy[] = L"|.COPY";
inline constexpr wchar_t kCmdFinishCopy[] = L"|.FINISHCOPY";
inline constexpr wchar_t kCmdFinish[] = L"|.FINISH";
inline constexpr wchar_t kCmdLoad[] = L"|.LOAD";  // recognised by the sending PC, sent by nobody

struct CommandHeader {
  std::wstring command;
  std::wstring name;
  std::int64_t size = 0;   // bytes of the file that follows, 0 for none
  std::int64_t value = 0;  // meaning depends on the command
};

// "HEADER?command?name?size?value", cut where the format buffer cuts it.
std::wstring HeaderText(std::wstring_view command, std::wstring_view name, std::int64_t size,
                        std::int64_t value);
// The 256 bytes that go on the wire for a header text: its first 128 UTF-16LE
// units, zero-padded.
std::string EncodeHeader(std::wstring_view text);
std::string EncodeHeader(const CommandHeader& header);

// The header in a block as it arrived (up to 256 bytes; a shorter one counts
// as zero-padded). The text ends at the first zero unit or after 128 units;
// fields are split on '?' with empty ones dropped, the first is skipped, then
// come command, name, size and value. Missing fields stay empty or 0.
CommandHeader ParseHeader(std::string_view block);
// The text of a received block, for the log.
std::wstring HeaderBlockText(std::string_view block);

// True for the two name placeholders: no file follows the header.
bool IsNamePlaceholder(std::wstring_view name);

// The step a received command stands for on each side; 0 for a command that
// side does not act on.
int SendingPcStep(std::wstring_view command);
int ReceivingPcStep(std::wstring_view command);

// The 16-bit Internet checksum (RFC 1071): the ones' complement of the ones'
// complement sum of 16-bit little-endian words, a last odd byte added as it is.
std::uint16_t InternetChecksum(const void* data, std::size_t length);

}  // namespace tvx
