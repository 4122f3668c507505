// The fixture the network run page tests build on: an English language with
// the run texts a test gives, a scratch program folder, a view that keeps what
// the page showed, and the names of the tools the page ended.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/language_table.h"
#include "fakes/fake_ini_file.h"
#include "fakes/recording_run_view.h"
#include "pages/network_run/run_page_services.h"
#include "support/scratch_folder.h"

namespace tvx {

class RunPageTest : public testing::Test {
 protected:
  RunPageTest() { language_.Prepare(L"C:\\P\\Lang\\", L"C:\\P\\Help\\", 1033); }

  // The language file's text, sections and all.
  void UseTexts(const std::wstring& texts) { ini_.Put(language_.IniPath(), texts); }

  RunPageServices Services() {
    return RunPageServices{language_, folder_.Path(),
                           [this](const std::wstring& name) { stopped_.push_back(name); }};
  }

  ScratchFolder folder_;
  FakeIniFile ini_;
  LanguageTable language_{ini_};
  RecordingRunView view_;
  std::vector<std::wstring> stopped_;
};

}  // namespace tvx
