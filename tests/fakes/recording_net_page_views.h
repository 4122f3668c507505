// Views of the two network pages that keep what the page did to its window:
// each control's text and visibility, the animation, the focus, and the
// adapter dialog, which answers as the test says.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "net/ip_list_model.h"
#include "pages/connection/nt_config_tcp_view.h"
#include "pages/waiting/nt_config_view.h"

namespace tvx {

// What both views share.
struct RecordedControls {
  std::map<int, std::wstring> texts;
  std::map<int, bool> shown;
  int plays = 0;
  int stops = 0;

  std::wstring Text(int control) const {
    const auto it = texts.find(control);
    return it == texts.end() ? std::wstring() : it->second;
  }
  // Controls the page never showed or hid count as shown, as in the template.
  bool Shown(int control) const {
    const auto it = shown.find(control);
    return it == shown.end() || it->second;
  }
  bool Animating() const { return plays > stops; }
};

class RecordingNTConfigView final : public NTConfigView, public RecordedControls {
 public:
  void SetText(int control, const std::wstring& text) override { texts[control] = text; }
  void Show(int control, bool visible) override { shown[control] = visible; }
  void ShowOctetBoxes(bool visible) override { boxesShown = visible; }
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

  bool boxesShown = true;
  // The adapter dialog: the row the user selects (none when out of range)
  // and the button that closes it.
  std::size_t adapterRow = static_cast<std::size_t>(-1);
  bool adapterOk = true;
  std::vector<std::wstring> adapterPresets;
  std::vector<st_IPInfo> adapterRows;
};

class RecordingNTConfigTCPView final : public NTConfigTCPView, public RecordedControls {
 public:
  void SetText(int control, const std::wstring& text) override { texts[control] = text; }
  void Show(int control, bool visible) override { shown[control] = visible; }
  std::wstring FieldText(int control) override { return fields[control]; }
  void FocusField(int control) override { focused.push_back(control); }
  void PlayAnimation() override { ++plays; }
  void StopAnimation() override {
    if (plays > stops) ++stops;
  }

  std::map<int, std::wstring> fields;  // what the user typed
  std::vector<int> focused;
};

}  // namespace tvx
