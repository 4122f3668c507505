#include "net/ip_list_model.h"

#include "core/language_table.h"

namespace tvx {

IPListTexts LoadIPListTexts(const LanguageTable& language) {
  return {language.GetText({L"IPLIST", L"PAGEDESC"}), language.GetText({L"IPLIST", L"TYPE"}),
          language.GetText({L"IPLIST", L"KEY"}), language.GetText({L"COMMON", L"OK"}),
          language.GetText({L"COMMON", L"CANCEL"})};
}

void IPListModel::Open(NetworkAdapters& adapters, std::int32_t versionCode) {
  FillAdapterList(adapters, versionCode, rows_);
  selected_.assign(rows_.size(), false);
}

void IPListModel::SetSelected(std::size_t row, bool selected) {
  if (row < selected_.size()) selected_[row] = selected;
}

int IPListModel::Close(int result) {
  for (std::size_t row = selected_.size(); row-- > 0;) {
    if (selected_[row]) {
      chosen_ = rows_[row].address;
      break;
    }
  }
  return result;
}

}  // namespace tvx
