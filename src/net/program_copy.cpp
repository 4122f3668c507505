#include "net/program_copy.h"

#include "base/path.h"
#include "net/file_ops.h"

namespace tvx {

std::wstring ProgramCopySource(std::wstring_view programFolder) { return JoinPath(programFolder, L"Tralvex"); }

bool CopyProgramTo(std::wstring_view programFolder, const std::wstring& destination, std::wstring& errorText) {
  CFileOps copier;
  copier.SetAsk(false);
  copier.SetOverwrite(true);
  if (copier.Copy(ProgramCopySource(programFolder), destination) == 1) return true;
  errorText = copier.ErrorText();
  return false;
}

}  // namespace tvx
