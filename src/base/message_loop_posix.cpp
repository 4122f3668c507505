// Message targets over the thread's own event loop (loop_core_posix.h).
#include "base/loop_core_posix.h"
#include "base/message_loop.h"

namespace tvx {

using detail::LoopCore;

bool TargetHandle::Post(unsigned msg, WParam w, LParam l) const {
  return loop_ && loop_->Post(id_, msg, w, l);
}

std::intptr_t TargetHandle::Send(unsigned msg, WParam w, LParam l) const {
  return loop_ ? loop_->Send(id_, msg, w, l) : 0;
}

bool TargetHandle::Valid() const { return loop_ && loop_->IsAlive(id_); }

MessageTarget::MessageTarget() {
  handle_.loop_ = LoopCore::ForThisThread();
  handle_.id_ = handle_.loop_->Add(this);
}

MessageTarget::~MessageTarget() { handle_.loop_->Remove(handle_.id_); }

TargetHandle MessageTarget::Handle() const { return handle_; }

bool MessageTarget::Post(unsigned msg, WParam w, LParam l) const { return handle_.Post(msg, w, l); }

std::intptr_t MessageTarget::Send(unsigned msg, WParam w, LParam l) const {
  return handle_.Send(msg, w, l);
}

void MessageTarget::SetTimer(unsigned id, unsigned milliseconds) {
  handle_.loop_->SetTimer(handle_.id_, id, milliseconds);
}

void MessageTarget::KillTimer(unsigned id) { handle_.loop_->KillTimer(handle_.id_, id); }

namespace MessageLoop {

int Run() { return LoopCore::ForThisThread()->Run(); }

void Quit(int code) { LoopCore::ForThisThread()->Quit(code); }

bool RunUntil(const std::function<bool()>& done, int timeoutMs) {
  return LoopCore::ForThisThread()->RunUntil(done, timeoutMs);
}

}  // namespace MessageLoop
}  // namespace tvx
