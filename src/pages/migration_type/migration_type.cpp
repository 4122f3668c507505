#include "pages/migration_type/migration_type.h"

#include "core/wizard_messages.h"

namespace tvx {
namespace {

constexpr int kOptionCount = 4;

// The option of the same group: send <-> receive, USB <-> network.
int OtherOfGroup(int option) { return option ^ 1; }

}  // namespace

bool UsesCompactOptionCaptions(std::uint16_t languageId) {
  return languageId == 1032 || languageId == 1026;
}

void CSelectMigrationType::OnInitDialog() {
  if (!view_) return;
  MigrationTypeTexts texts;
  texts.title1 = language_.GetText({L"SELECTMIGRATIONTYPE", L"TITLE1"});
  texts.title2 = language_.GetText({L"SELECTMIGRATIONTYPE", L"TITLE2"});
  texts.description = language_.GetText({L"SELECTMIGRATIONTYPE", L"PAGEDESC"});
  texts.captions[kOptionSend] = language_.GetText({L"COMMON", L"SENDPC"});
  texts.captions[kOptionReceive] = language_.GetText({L"COMMON", L"RECEIVEPC"});
  texts.captions[kOptionUsb] = language_.GetText({L"SELECTMIGRATIONTYPE", L"USB"});
  texts.captions[kOptionNetwork] = language_.GetText({L"SELECTMIGRATIONTYPE", L"NETWORK"});
  texts.compactCaptions = UsesCompactOptionCaptions(language_.LanguageId());
  view_->SetUpPage(texts);
}

void CSelectMigrationType::OnOption(int option) {
  if (!view_ || option < 0 || option >= kOptionCount) return;
  ReleaseOption(*view_, OtherOfGroup(option), looks_);
  LatchOption(*view_, option, looks_);
  RecomputeNext();
}

void CSelectMigrationType::RecomputeNext() {
  const WizardChoice choice = Choice();
  PostPageNav(wizard_, false, choice.role != kRoleNone && choice.method != kMethodNone);
}

MigrationTypeLooks CSelectMigrationType::Looks() const {
  if (!view_) return {};
  return {view_->Look(kOptionSend), view_->Look(kOptionReceive), view_->Look(kOptionUsb),
          view_->Look(kOptionNetwork)};
}

}  // namespace tvx
