#pragma once
// The core's questions shown as message boxes.
#include <QWidget>

#include "core/platform/prompt.h"

namespace tessera::ui {

class MessageBoxPrompt final : public Prompt {
 public:
  explicit MessageBoxPrompt(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }
  PromptAnswer askYesNo(std::string_view text, std::string_view caption) override;
  void inform(std::string_view text, std::string_view caption) override;

 private:
  QWidget* owner_;
};

// Text of the skin files (Windows-1252 bytes) for the interface.
QString FromSkinText(std::string_view text);

}  // namespace tessera::ui
