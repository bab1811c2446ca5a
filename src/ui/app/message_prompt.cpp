#include "ui/app/message_prompt.h"

#include <QMessageBox>
#include <QStringDecoder>

namespace tessera::ui {

QString FromSkinText(std::string_view text) {
  QStringDecoder decoder("windows-1252");
  if (!decoder.isValid()) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  return decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

PromptAnswer MessageBoxPrompt::askYesNo(std::string_view text, std::string_view caption) {
  const auto answer = QMessageBox::question(owner_, FromSkinText(caption), FromSkinText(text),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  return answer == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
}

void MessageBoxPrompt::inform(std::string_view text, std::string_view caption) {
  QMessageBox::information(owner_, FromSkinText(caption), FromSkinText(text));
}

}  // namespace tessera::ui
