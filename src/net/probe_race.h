// Which candidate a search that probes many addresses at once chooses: the
// same one a search that probes them one after another would choose, the
// first in the search order that accepts. A candidate that accepts wins only
// once every candidate before it has refused or timed out.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace tvx {

class ProbeRace {
 public:
  // `candidates` in the search order, each tried on `portsEach` ports.
  ProbeRace(std::size_t candidates, unsigned portsEach);

  // One port of `candidate` answered: with a connection, or not (refused,
  // timed out, or the probe could not be made).
  void Accepted(std::size_t candidate, unsigned port);
  void Failed(std::size_t candidate);

  // Whether a probe of `candidate` can still change the choice: not once an
  // earlier candidate has accepted.
  bool Matters(std::size_t candidate) const { return candidate <= firstAccepted_; }

  // A winner is known, or every candidate has failed.
  bool Decided() const;
  // The chosen candidate once decided, and the ports it accepted on, lowest first.
  std::optional<std::size_t> Winner() const;
  std::vector<unsigned> WinnerPorts() const;

 private:
  void Advance();

  std::vector<unsigned> open_;  // ports of each candidate not yet answered
  std::vector<std::vector<unsigned>> accepted_;
  std::size_t first_ = 0;  // the first candidate not known to have failed
  std::size_t firstAccepted_;
};

}  // namespace tvx
