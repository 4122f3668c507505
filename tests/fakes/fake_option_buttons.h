// The option buttons of a page view, kept in arrays a test can read and set:
// every button starts in the normal look (1) and enabled.
#pragma once

namespace tvx {

template <class View, int kOptions>
class FakeOptionButtons : public View {
 public:
  int Look(int option) const override { return looks[option]; }
  void SetLook(int option, int look) override { looks[option] = look; }
  void EnableOption(int option, bool enable) override { enabled[option] = enable; }

  int looks[kOptions] = {};
  bool enabled[kOptions] = {};

 protected:
  FakeOptionButtons() {
    for (int i = 0; i < kOptions; ++i) {
      looks[i] = 1;
      enabled[i] = true;
    }
  }
};

}  // namespace tvx
