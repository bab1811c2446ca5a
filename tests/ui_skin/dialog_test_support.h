#pragma once
// What the dialog tests share: modal dialogs answered through support/modal_dialogs.h, a scripted
// prompt and a private environment with the engine stand-ins.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine/engine_startup.h"
#include "core/platform/prompt.h"
#include "core/platform/registry.h"
#include "core/skin/skin_list.h"
#include "support/modal_dialogs.h"
#include "support/temp_dir.h"

namespace tessera::ui::testing {

// A prompt with a fixed answer that records every question and message.
class ScriptedPrompt final : public Prompt {
 public:
  explicit ScriptedPrompt(PromptAnswer answer) : answer_(answer) { previous_ = InstallPrompt(this); }
  ~ScriptedPrompt() override { InstallPrompt(previous_); }
  PromptAnswer askYesNo(std::string_view text, std::string_view caption) override {
    questions.push_back({std::string(text), std::string(caption)});
    return answer_;
  }
  void inform(std::string_view text, std::string_view caption) override {
    messages.push_back({std::string(text), std::string(caption)});
  }
  struct Said {
    std::string text;
    std::string caption;
  };
  std::vector<Said> questions;
  std::vector<Said> messages;

 private:
  PromptAnswer answer_;
  Prompt* previous_ = nullptr;
};

// A private environment whose engine install folder holds the built stand-ins, with the skin
// database's list rebuilt for this test's skins folder.
class DialogTest : public tessera::testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    registry::writeValue(registry::Hive::LocalMachine, "SOFTWARE\\Quillmont\\Marrowline\\Velarium", "Path",
                         tessera::testing::StandinFolder());
    rebuildSkinList();
  }
  static void rebuildSkinList() { OnDemandSkinDatabase().CreateSkinList(); }
};

}  // namespace tessera::ui::testing
