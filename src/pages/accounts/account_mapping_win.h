// The account page's window: the page's description, the two column
// headings, and a row per account of the sending PC with its name and the
// list of where its data goes here. It shows the rows the page logic gives
// it and hands each new choice back; what a choice means (a new account, a
// target taken twice) is the logic's.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "pages/accounts/account_mapping.h"
#include "pages/shared/page_window_win.h"

namespace tvx {

constexpr int kAccountDescription = 1160;
constexpr int kAccountTitle1 = 1161;
constexpr int kAccountTitle2 = 1162;
// A row's name and list: the first id plus the row.
constexpr int kAccountFirstLabel = 1163;
constexpr int kAccountFirstList = 1170;

class AccountMappingWindow final : public PageWindow, public AccountMappingView {
 public:
  using PageWindow::PageWindow;
  ~AccountMappingWindow() override { Destroy(); }
  void Connect(CAccountMapping& page) { page_ = &page; }

  void ShowRows(const MappingRows& rows) override;

 private:
  void Build() override;
  void OnControlNotice(int id, int code) override;
  LRESULT OnPageMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  HWND List(std::size_t row) const;

  CAccountMapping* page_ = nullptr;
  bool choosing_ = false;  // a row's new choice is being handled
  // What each list holds, so an unchanged list is not filled again.
  std::array<std::vector<std::wstring>, kMappingRows> listed_;
};

}  // namespace tvx
