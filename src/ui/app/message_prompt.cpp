#include "ui/app/message_prompt.h"

#include <QMessageBox>

namespace tessera::ui {

PromptAnswer MessageBoxPrompt::askYesNo(std::string_view text, std::string_view caption) {
  const auto answer = QMessageBox::question(owner_, FromSkinText(caption), FromSkinText(text),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  return answer == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
}

PromptAnswer MessageBoxPrompt::askYesNoCancel(std::string_view text, std::string_view caption) {
  const auto answer = QMessageBox::question(owner_, FromSkinText(caption), FromSkinText(text),
                                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                            QMessageBox::Cancel);
  if (answer == QMessageBox::Yes) return PromptAnswer::Yes;
  return answer == QMessageBox::No ? PromptAnswer::No : PromptAnswer::Cancel;
}

void MessageBoxPrompt::inform(std::string_view text, std::string_view caption) {
  QMessageBox::information(owner_, FromSkinText(caption), FromSkinText(text));
}

}  // namespace tessera::ui
