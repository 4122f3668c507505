// What the adapter dialog shows and decides, apart from its window: one row
// per adapter address (kind and address), the row the user selects, and the
// address it hands back with OK (1) or Cancel (2).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net/adapter_list.h"

namespace tvx {

class LanguageTable;
class NetworkAdapters;

constexpr int kIPListOk = 1;
constexpr int kIPListCancel = 2;

struct IPListTexts {
  std::wstring description;    // the label
  std::wstring kindHeading;    // first column
  std::wstring addressHeading;  // second column
  std::wstring ok;
  std::wstring cancel;
};

IPListTexts LoadIPListTexts(const LanguageTable& language);

class IPListModel {
 public:
  // `chosen`: the address the caller shows now.
  explicit IPListModel(std::wstring chosen) : chosen_(std::move(chosen)) {}

  // Fills the rows from the adapter list; adapters that cannot be read leave
  // it empty.
  void Open(NetworkAdapters& adapters, std::int32_t versionCode);
  const std::vector<st_IPInfo>& Rows() const { return rows_; }

  // The list view's selection changed.
  void SetSelected(std::size_t row, bool selected);

  // Both buttons take the selected row's address (the last one when several
  // are selected) and close the dialog with their result.
  int Ok() { return Close(kIPListOk); }
  int Cancel() { return Close(kIPListCancel); }

  const std::wstring& Chosen() const { return chosen_; }

 private:
  int Close(int result);

  std::wstring chosen_;
  std::vector<st_IPInfo> rows_;
  std::vector<bool> selected_;
};

}  // namespace tvx
