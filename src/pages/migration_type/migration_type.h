// The migration-type page (CSelectMigrationType): whether this PC sends or
// receives, and whether the data travels on a USB drive or over the network.
// Two groups of two latching options; Next is offered once both groups have
// a chosen option.
#pragma once

#include <cstdint>
#include <string>

#include "base/message_loop.h"
#include "core/language_table.h"
#include "core/wizard_state.h"
#include "pages/shared/option_group.h"

namespace tvx {

// The four options, in the order of their control ids 1066 to 1069.
enum MigrationOption : int {
  kOptionSend = 0,     // role group
  kOptionReceive = 1,  // role group
  kOptionUsb = 2,      // method group
  kOptionNetwork = 3,  // method group
};

struct MigrationTypeTexts {
  std::wstring title1;       // SELECTMIGRATIONTYPE/TITLE1, over the role group
  std::wstring title2;       // SELECTMIGRATIONTYPE/TITLE2, over the method group
  std::wstring description;  // SELECTMIGRATIONTYPE/PAGEDESC
  std::wstring captions[4];  // of the options, in MigrationOption order
  // Languages whose captions need the small font (height 11) in a 200 x 48
  // box instead of height 14.
  bool compactCaptions = false;
};

class MigrationTypeView : public OptionButtons {
 public:
  virtual void SetUpPage(const MigrationTypeTexts& texts) = 0;
};

// Greek and Bulgarian captions are long.
bool UsesCompactOptionCaptions(std::uint16_t languageId);

class CSelectMigrationType {
 public:
  CSelectMigrationType(const LanguageTable& language, RememberedLooks& looks, MigrationTypeView* view,
                       TargetHandle wizard)
      : language_(language), looks_(looks), view_(view), wizard_(wizard) {}

  // Fills the page's texts when the wizard creates it.
  void OnInitDialog();

  // The user chose `option`.
  void OnOption(int option);

  // Back stays off; Next is on only when both groups have a chosen option.
  void RecomputeNext();

  // The looks of the four options, for ChoiceFromLooks.
  MigrationTypeLooks Looks() const;
  WizardChoice Choice() const { return ChoiceFromLooks(Looks()); }

 private:
  const LanguageTable& language_;
  RememberedLooks& looks_;
  MigrationTypeView* view_;
  TargetHandle wizard_;
};

}  // namespace tvx
