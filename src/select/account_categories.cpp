#include "select/account_categories.h"

#include "select/account_names.h"
#include "select/categories.h"
#include "select/size_walk.h"

namespace tvx {

void FillAccountCategories(st_Account& account, ShellFolders& folders,
                           const std::wstring& currentUser, std::int32_t versionCode,
                           FolderLister& lister, std::vector<std::wstring>& folderList) {
  // The page's running figures belong to the size worker; these sizes are
  // counted on their own.
  SizeFigures scratch;
  SizeWalk walk(lister, scratch);
  for (int category : CategoriesInListOrder(versionCode)) {
    const std::optional<std::wstring> folder = folders.SpecialFolder(CategoryOf(category).csidl);
    if (!folder) continue;
    std::wstring path = FolderOfAccount(*folder, currentUser, account.strName);
    if (category == kMail) path += kMailSubfolder;
    const std::size_t k = static_cast<std::size_t>(category);
    account.strPath[k] = path;
    account.llSize[k] = walk.FolderSize(path);
    folderList.push_back(std::move(path));
  }
  for (int category = 0; category < static_cast<int>(kCategoryCount); ++category) {
    const std::size_t k = static_cast<std::size_t>(category);
    if (!IsCategoryOffered(category, versionCode)) {
      account.llSize[k] = 0;
      account.strPath[k].clear();
    }
    account.bChecked[k] = 1;
  }
}

}  // namespace tvx
