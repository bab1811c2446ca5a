#pragma once
// Questions the core asks the user. The core never shows a dialog: the editor installs a Prompt
// that shows a message box, tests install one with scripted answers.
#include <string>
#include <string_view>

namespace tessera {

enum class PromptAnswer { Yes, No, Cancel };

class Prompt {
 public:
  virtual ~Prompt() = default;
  // A Yes/No question with a question icon.
  virtual PromptAnswer askYesNo(std::string_view text, std::string_view caption) = 0;
  // A Yes/No/Cancel question with a question icon. Prompts that offer no Cancel answer as
  // askYesNo does.
  virtual PromptAnswer askYesNoCancel(std::string_view text, std::string_view caption) {
    return askYesNo(text, caption);
  }
  // A message with an OK button.
  virtual void inform(std::string_view text, std::string_view caption) = 0;
};

// The installed prompt; without one every question is answered No and messages are dropped.
Prompt& CurrentPrompt();
// Installs `prompt` (nullptr restores the default); returns the previous one.
Prompt* InstallPrompt(Prompt* prompt);

}  // namespace tessera
