#!/usr/bin/env bash
# A test network of our own: two network namespaces, "a" and "b", joined by
# a veth pair (b's end on a bridge, so a third PC can join), with addresses from 198.18.0.0/24 (the range set aside for
# benchmark networks) inside them only. Nothing is routed out of them, and
# the host's own interfaces are never part of them. Needs root and `ip netns`.
#
# Run by itself:
#   scripts/netns.bash [-a ADDRESS] [-b ADDRESS]... 'COMMAND IN A' ['COMMAND IN B']
# makes the network, starts COMMAND IN B (in the background) and COMMAND IN A
# with bash -c, waits for both and removes the network, whatever happens.
# Status: the first non-zero status of the two commands, 2 when the network
# could not be made. Inside the commands NETNS_A and NETNS_B hold the
# addresses (B's first one), and NETNS_EXEC_A / NETNS_EXEC_B are the command
# prefixes that run something in the other namespace.
#
# Or source it: netns_available, netns_up A_ADDRESS B_ADDRESS..., netns_run
# a|b|c COMMAND..., netns_down (netns_up sets a trap that calls it on exit).

netns_a=
netns_b=
netns_c=

# netns_available: status 0 when namespaces can be made here.
netns_available() {
  command -v ip >/dev/null 2>&1 || return 1
  local probe=tvx-probe-$$-$RANDOM
  ip netns add "$probe" 2>/dev/null || return 1
  ip netns del "$probe" 2>/dev/null
  return 0
}

# netns_down: removes both namespaces (the veth pair goes with them).
netns_down() {
  local ns
  for ns in "$netns_a" "$netns_b" "$netns_c"; do
    [ -n "$ns" ] || continue
    # Whatever still runs in it ends first, so the namespace really goes.
    ip netns pids "$ns" 2>/dev/null | xargs -r kill 2>/dev/null
    ip netns del "$ns" 2>/dev/null
  done
  netns_a= netns_b= netns_c=
}

# netns_up A_ADDRESS B_ADDRESS [B_ADDRESS...]: addresses without the /24.
# With NETNS_C_ADDRESS set, a third namespace "c" joins the same network:
# b holds a bridge, and a (and c) each join it by a veth pair of their own.
netns_up() {
  local a_address=$1
  shift
  local tag=tvx$$x$RANDOM
  netns_a=$tag-a
  netns_b=$tag-b
  netns_c=
  trap netns_down EXIT
  ip netns add "$netns_a" && ip netns add "$netns_b" || return 1
  ip -n "$netns_b" link add br0 type bridge || return 1
  local address
  for address in "$@"; do ip -n "$netns_b" addr add "$address/24" dev br0 || return 1; done
  ip -n "$netns_b" link set lo up && ip -n "$netns_b" link set br0 up || return 1
  netns_join "$netns_a" "$a_address" va || return 1
  if [ -n "${NETNS_C_ADDRESS:-}" ]; then
    netns_c=$tag-c
    ip netns add "$netns_c" && netns_join "$netns_c" "$NETNS_C_ADDRESS" vc || return 1
  fi
  # IPv4 addresses work at once; the ports carry packets once they are up.
  local tries=50
  until ! ip -n "$netns_b" -br link show master br0 | grep -qv ' UP '; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# netns_join NAMESPACE ADDRESS PORT: a veth pair from the bridge in b (the
# end called PORT) to NAMESPACE (the end called eth0, with ADDRESS/24). The
# ends are made inside the namespaces, never on the host.
netns_join() {
  local ns=$1 address=$2 port=$3
  ip -n "$netns_b" link add "$port" type veth peer name eth0 netns "$ns" &&
    ip -n "$netns_b" link set "$port" master br0 &&
    ip -n "$netns_b" link set "$port" up &&
    ip -n "$ns" addr add "$address/24" dev eth0 &&
    ip -n "$ns" link set lo up &&
    ip -n "$ns" link set eth0 up
}

# netns_run a|b|c COMMAND...: runs COMMAND in that namespace.
netns_run() {
  local which=$1
  shift
  local ns=$netns_a
  [ "$which" = b ] && ns=$netns_b
  [ "$which" = c ] && ns=$netns_c
  ip netns exec "$ns" "$@"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -uo pipefail
  a_address=198.18.0.9
  b_addresses=()
  while getopts 'a:b:' option; do
    case $option in
      a) a_address=$OPTARG ;;
      b) b_addresses+=("$OPTARG") ;;
      *) exit 2 ;;
    esac
  done
  shift $((OPTIND - 1))
  [ ${#b_addresses[@]} -gt 0 ] || b_addresses=(198.18.0.200)
  for address in "$a_address" "${b_addresses[@]}"; do
    case $address in
      198.18.0.*) ;;
      *) echo "netns: $address is not in 198.18.0.0/24" >&2; exit 2 ;;
    esac
  done
  if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 [-a ADDRESS] [-b ADDRESS]... 'COMMAND IN A' ['COMMAND IN B']" >&2
    exit 2
  fi
  if ! netns_available; then
    echo "netns: network namespaces cannot be made here (root and iproute2 needed)" >&2
    exit 2
  fi
  netns_up "$a_address" "${b_addresses[@]}" || { echo "netns: the test network could not be made" >&2; exit 2; }
  export NETNS_A=$a_address NETNS_B=${b_addresses[0]}
  export NETNS_EXEC_A="ip netns exec $netns_a" NETNS_EXEC_B="ip netns exec $netns_b"
  b_status=0
  if [ $# -eq 2 ]; then
    netns_run b bash -c "$2" &
    b_pid=$!
  fi
  netns_run a bash -c "$1"
  a_status=$?
  if [ $# -eq 2 ]; then
    wait "$b_pid"
    b_status=$?
  fi
  [ "$a_status" -ne 0 ] && exit "$a_status"
  exit "$b_status"
fi
