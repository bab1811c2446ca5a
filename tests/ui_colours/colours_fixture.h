#pragma once
// An open skin "S" for the colours and fonts dialogs, a colour chooser with a scripted answer,
// and the platform colour chooser back in place afterwards.
#include <optional>
#include <vector>

#include "sheet/sheet_fixture.h"
#include "ui/colours/colour_choosers.h"
#include "ui_editor/editor_fixture.h"

namespace tessera::ui::testing {

class ColoursDialogTest : public tessera::testing::SheetEnvironmentTest {
 protected:
  void TearDown() override {
    CurrentColourChooser() = &ChooseColourWithDialog;
    SheetEnvironmentTest::TearDown();
  }
  // The chooser answers `answer` and records the colours it was started with.
  void scriptChooser(std::optional<ColorRef> answer) {
    CurrentColourChooser() = [this, answer](QWidget*, ColorRef initial) {
      chooserStarts.push_back(initial);
      return answer;
    };
  }
  std::vector<ColorRef> chooserStarts;
};

}  // namespace tessera::ui::testing
