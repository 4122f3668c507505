// Views of the two network pages that keep what the page did to its window:
// the texts, the mode shown, the animation, the focus, and the adapter
// dialog, which answers as the test says.
#pragma once

#include <string>
#include <vector>

#include "net/ip_list_model.h"
#include "pages/connection/nt_config_tcp_view.h"
#include "pages/waiting/nt_config_view.h"

namespace tvx {

// What both views share.
struct RecordedNetPage {
  std::wstring bubble1;
  std::wstring bubble2;
  int plays = 0;
  int stops = 0;

  bool Animating() const { return plays > stops; }
};

class RecordingNTConfigView final : public NTConfigView, public RecordedNetPage {
 public:
  void ShowFace(const WaitingPageFace& f) override { face = f; }
  void ShowBubbles(const std::wstring& first, const std::wstring& second) override {
    bubble1 = first;
    bubble2 = second;
  }
  void ShowAddressMode(bool address) override { addressMode = address; }
  void ShowOctets(const OctetTexts& o) override { octets = o; }
  void PlayAnimation() override { ++plays; }
  void StopAnimation() override {
    if (plays > stops) ++stops;
  }
  int RunAdapterList(IPListModel& model) override {
    adapterPresets.push_back(model.Chosen());
    adapterRows = model.Rows();
    if (adapterRow < model.Rows().size()) model.SetSelected(adapterRow, true);
    return adapterOk ? model.Ok() : model.Cancel();
  }

  WaitingPageFace face;
  bool addressMode = false;
  OctetTexts octets;
  // The adapter dialog: the row the user selects (none when out of range)
  // and the button that closes it.
  std::size_t adapterRow = static_cast<std::size_t>(-1);
  bool adapterOk = true;
  std::vector<std::wstring> adapterPresets;
  std::vector<st_IPInfo> adapterRows;
};

class RecordingNTConfigTCPView final : public NTConfigTCPView, public RecordedNetPage {
 public:
  void ShowFace(const ConnectionPageFace& f) override { face = f; }
  void ShowBubbles(const std::wstring& first, const std::wstring& second) override {
    bubble1 = first;
    bubble2 = second;
  }
  void ShowManualMode(bool manual) override { manualMode = manual; }
  OctetTexts TypedOctets() override { return typed; }
  void FocusOctet(std::size_t octet) override { focused.push_back(octet); }
  void ShowConfirmWait(const std::wstring& text) override { confirmWait = text; }
  void PlayAnimation() override { ++plays; }
  void StopAnimation() override {
    if (plays > stops) ++stops;
  }

  ConnectionPageFace face;
  // Unknown until the page chooses a mode.
  int manualMode = -1;
  OctetTexts typed;  // what the user typed
  std::vector<std::size_t> focused;
  std::wstring confirmWait;
};

}  // namespace tvx
