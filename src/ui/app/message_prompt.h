#pragma once
// The core's questions shown as message boxes.
#include <QWidget>

#include "core/platform/prompt.h"
#include "core/platform/skin_text.h"

namespace tessera::ui {

class MessageBoxPrompt final : public Prompt {
 public:
  explicit MessageBoxPrompt(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }
  PromptAnswer askYesNo(std::string_view text, std::string_view caption) override;
  PromptAnswer askYesNoCancel(std::string_view text, std::string_view caption) override;
  void inform(std::string_view text, std::string_view caption) override;

 private:
  QWidget* owner_;
};

}  // namespace tessera::ui
