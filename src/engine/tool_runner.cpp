#include "engine/tool_runner.h"

namespace tvx {
std::wstring ScanCommandLine(const std::wstring& storeFolder) {
  return L"scanstate  \"" + storeFolder +
         L"\"  /i:migapp.xml /i:migcustom.xml /config:config.xml /o /v:13 /c "
         L"/ue:HomeGroupUser$ /ue:UpdatusUser /localonly /listfiles:..\\list.txt "
         L"/progress:..\\progress.txt";
}

std::wstring LoadCommandLine(const std::wstring& storeFolder, const std::wstring& accountOptions) {
  return L"loadstate  \"" + storeFolder +
         L"\"  /i:migapp.xml /i:migcustom.xml /config:config.xml /lac /lae "
         L"/ue:HomeGroupUser$ /ue:UpdatusUser /c /v:13 /progress:..\\progress_load.txt " +
         accountOptions;
}

}  // namespace tvx
