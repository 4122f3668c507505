// An account's category folders: the logged-on user's special folders turned
// into the account's own, with the bytes each holds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/shell_folders.h"
#include "select/folder_lister.h"
#include "select/select_records.h"

namespace tvx {

// For every offered category, in list order: the current user's folder
// (`currentUser` replaced by the account's name; the mail category with
// "\Microsoft\Outlook" added) becomes the account's path, its size is
// counted, and the path is appended to `folderList`. A category whose folder
// the shell cannot give keeps its old path and size and adds nothing. On
// version-5.1 workstations music, pictures and videos are emptied. Every
// category ends up selected.
void FillAccountCategories(st_Account& account, ShellFolders& folders,
                           const std::wstring& currentUser, std::int32_t versionCode,
                           FolderLister& lister, std::vector<std::wstring>& folderList);

}  // namespace tvx
