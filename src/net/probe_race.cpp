#include "net/probe_race.h"

#include <algorithm>

namespace tvx {

ProbeRace::ProbeRace(std::size_t candidates, unsigned portsEach)
    : open_(candidates, portsEach), accepted_(candidates), firstAccepted_(candidates) {
  Advance();
}

void ProbeRace::Accepted(std::size_t candidate, unsigned port) {
  if (candidate >= open_.size() || open_[candidate] == 0) return;
  accepted_[candidate].push_back(port);
  firstAccepted_ = std::min(firstAccepted_, candidate);
  --open_[candidate];
  Advance();
}

void ProbeRace::Failed(std::size_t candidate) {
  if (candidate >= open_.size() || open_[candidate] == 0) return;
  --open_[candidate];
  Advance();
}

void ProbeRace::Advance() {
  while (first_ < open_.size() && open_[first_] == 0 && accepted_[first_].empty()) ++first_;
}

bool ProbeRace::Decided() const {
  return first_ == open_.size() || (open_[first_] == 0 && !accepted_[first_].empty());
}

std::optional<std::size_t> ProbeRace::Winner() const {
  if (first_ == open_.size() || !Decided()) return std::nullopt;
  return first_;
}

std::vector<unsigned> ProbeRace::WinnerPorts() const {
  const std::optional<std::size_t> winner = Winner();
  if (!winner) return {};
  std::vector<unsigned> ports = accepted_[*winner];
  std::sort(ports.begin(), ports.end());
  return ports;
}

}  // namespace tvx
