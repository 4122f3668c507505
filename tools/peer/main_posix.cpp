// tralvex-peer: one PC's side of a migration, without a window.
#include <cstdio>
#include <string>
#include <vector>

#include "base/text.h"
#include "peer/peer_options.h"
#include "peer/peer_run.h"

int main(int argc, char** argv) {
  std::vector<std::wstring> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(tvx::FromUtf8(argv[i]));
  const tvx::ParsedPeerOptions parsed = tvx::ParsePeerOptions(arguments);
  if (parsed.help) {
    std::fputs(tvx::ToUtf8(tvx::PeerUsage()).c_str(), stdout);
    return 0;
  }
  if (!parsed.options) {
    std::fprintf(stderr, "tralvex-peer: %s\n(--help lists the options)\n", tvx::ToUtf8(parsed.error).c_str());
    return 2;
  }
  return tvx::RunPeer(*parsed.options);
}
