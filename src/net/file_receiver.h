// The receiving PC's side of the byte stream: header blocks, and after a
// header that carries a file, that file's bytes. It decides what is stored
// where, refuses what must not be stored, verifies a resumed store and reports
// each complete command. Bytes come in through Feed; files, commands and
// failures go out through a ReceiveSink, so nothing here touches a socket or
// a disk and the stream can be fed in any pieces.
//
// Safety: a command that is not the one the conversation expects next ends
// the stream before anything is stored or acted on (the sink says which is
// due). Only the four files of the conversation are ever opened (see
// received_file.h), each at a path of our own; a command that carries a file
// with another name, a size of 0 or below, or a resume offset that is not
// inside the file ends the stream, and nothing is written. Every failure is
// final: afterwards the receiver drops whatever it is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/wizard_messages.h"
#include "net/header_receiver.h"
#include "net/protocol.h"
#include "net/received_file.h"

namespace tvx {

class ReceiveSink {
 public:
  virtual ~ReceiveSink() = default;

  // Opens the file to receive into: created anew, replacing any, when
  // `offset` is 0; otherwise the existing file, the next write going to
  // `offset`. Returns the length the file had when opened, or -1 when it
  // cannot be created or opened.
  virtual std::int64_t OpenFile(ReceivedFile file, std::uint64_t offset) = 0;
  // Up to `length` bytes of the open file from `offset`; the next write still
  // goes to `offset`. Empty when nothing can be read.
  virtual std::string ReadBack(std::uint64_t offset, std::size_t length) = 0;
  virtual bool WriteFile(const char* data, std::size_t length) = 0;
  // Closes the open file; nothing when none is open.
  virtual void CloseFile() = 0;
  // A fresh capture is announced: the store and the apply's progress file of
  // an earlier, interrupted run go.
  virtual void DiscardStore() = 0;
  // Whether `command` is the one the conversation expects next; it is then
  // taken. Every command is, unless the sink keeps the conversation's turn.
  virtual bool InTurn(std::wstring_view command) {
    (void)command;
    return true;
  }
  // A complete command with its step code; `header` lives only for the call.
  virtual void Dispatch(int step, const CommandHeader& header) = 0;
  // The stream cannot go on; `code` is kEndConnectionFailure or
  // kEndInvalidFile (core/wizard_messages.h). Called once; the open file is already closed.
  virtual void Fail(int code) = 0;
  // One line for the activity log.
  virtual void Log(std::wstring_view line) = 0;
};

class FileReceiver {
 public:
  explicit FileReceiver(ReceiveSink& sink) : sink_(sink) {}
  FileReceiver(const FileReceiver&) = delete;
  FileReceiver& operator=(const FileReceiver&) = delete;

  // What the next receive should ask for: the rest of the header block, or
  // up to one receive's worth of the file's remaining bytes. Never more, so a
  // byte of the next header is never taken as file data.
  std::size_t Wanted() const;
  // Takes what the current stage needs, at most Wanted() bytes, and returns
  // how many it took; call again with the rest. After a failure it takes and
  // drops everything.
  std::size_t Feed(const char* data, std::size_t length);

  // A new connection: any half-received header or file is forgotten (the
  // caller closes the sink's file).
  void Reset();

  bool Failed() const { return state_ == State::kFailed; }
  bool ReceivingFile() const { return state_ == State::kFile; }
  // The last complete header.
  const CommandHeader& LastHeader() const { return header_; }

 private:
  enum class State { kHeader, kFile, kFailed };

  void OnHeader(std::size_t took);
  // "|.COPY" in any case: the store, which may resume.
  bool IsStoreCommand() const;
  void StartFile();
  void OnFileData(const char* data, std::size_t length);
  bool Write(const char* data, std::size_t length);
  void CompleteFile();
  void Refuse(int code, std::wstring_view why);
  std::uint64_t Remaining() const { return static_cast<std::uint64_t>(header_.size) - received_; }

  ReceiveSink& sink_;
  State state_ = State::kHeader;
  HeaderReceiver block_;
  CommandHeader header_;
  std::uint64_t startOffset_ = 0;  // where a resumed store continues; 0 otherwise
  std::uint64_t received_ = 0;     // file bytes counted, from the start offset
  // Resume proof: bytes of the local store at the start offset, and the first
  // re-sent bytes held back (not written) until as many have come.
  std::string proof_;
  std::string held_;
};

}  // namespace tvx
