#include "ui/skin/skin_messages.h"

#include <QMessageBox>

#include "ui/app/message_prompt.h"

namespace tessera::ui {

void ShowErrorMessage(QWidget* parent, std::string_view text, std::string_view caption) {
  QMessageBox box(QMessageBox::Critical, FromSkinText(caption), FromSkinText(text), QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace tessera::ui
