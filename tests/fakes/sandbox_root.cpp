#include "fakes/sandbox_root.h"

#include "base/drive_map.h"
#include "base/path.h"

namespace tvx {

#ifdef _WIN32

SandboxRoot::SandboxRoot() : path_(scratch_.Path()) {}
SandboxRoot::~SandboxRoot() = default;

#else

SandboxRoot::SandboxRoot() : previous_(DriveMap::HostRoot(L'T')), path_(L"T:\\") {
  DriveMap::Map(L'T', scratch_.HostPath().string());
}

SandboxRoot::~SandboxRoot() {
  if (previous_) {
    DriveMap::Map(L'T', *previous_);
  } else {
    DriveMap::Unmap(L'T');
  }
}

#endif

std::wstring SandboxRoot::Join(const std::wstring& name) const { return JoinPath(path_, name); }

}  // namespace tvx
