#pragma once
// A section editor on a small skin and catalogue of a private environment.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>
#include <vector>

#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera::ui {

// Answers every question with a fixed answer and keeps the questions.
class AnsweringPrompt final : public Prompt {
 public:
  explicit AnsweringPrompt(PromptAnswer answer) : answer_(answer) { previous_ = InstallPrompt(this); }
  ~AnsweringPrompt() override { InstallPrompt(previous_); }
  PromptAnswer askYesNo(std::string_view text, std::string_view caption) override {
    questions.push_back(std::string(caption) + ": " + std::string(text));
    return answer_;
  }
  void inform(std::string_view, std::string_view) override {}
  std::vector<std::string> questions;

 private:
  PromptAnswer answer_;
  Prompt* previous_ = nullptr;
};

class EditorTest : public tessera::testing::EnvironmentTest {
 protected:
  void openSkin(const std::string& uisText) {
    mainFile = writeSkin("S", uisText);
    Session().mainFile = mainFile;
    Session().skinName = "S";
  }
  // The key as the skin file holds it now; "<none>" when it is missing.
  std::string skinValue(const std::string& section, const std::string& key) {
    profile::ClearCache();
    return profile::FindValue(section, key, mainFile).value_or("<none>");
  }
  // Lets queued requests (sheet rebuilds) run.
  static void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  std::string mainFile;
};

}  // namespace tessera::ui
