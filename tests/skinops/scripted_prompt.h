#pragma once
// A prompt with a fixed answer that records every question and message.
#include <string>
#include <vector>

#include "core/platform/prompt.h"

namespace tessera::testing {

class ScriptedPrompt final : public Prompt {
 public:
  explicit ScriptedPrompt(PromptAnswer answer) : answer_(answer) { previous_ = InstallPrompt(this); }
  ~ScriptedPrompt() override { InstallPrompt(previous_); }
  PromptAnswer askYesNo(std::string_view text, std::string_view caption) override {
    questions.emplace_back(std::string(text) + " | " + std::string(caption));
    return answer_;
  }
  void inform(std::string_view text, std::string_view caption) override {
    messages.emplace_back(std::string(text) + " | " + std::string(caption));
  }
  std::vector<std::string> questions;
  std::vector<std::string> messages;

 private:
  PromptAnswer answer_;
  Prompt* previous_ = nullptr;
};

}  // namespace tessera::testing
