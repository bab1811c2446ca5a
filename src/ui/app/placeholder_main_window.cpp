#include "ui/app/placeholder_main_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/platform/environment.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"

namespace tessera::ui {

PlaceholderMainWindow::PlaceholderMainWindow(const std::string& commandLinePath, QWidget* parent) : QDialog(parent) {
  EnableSkinWrites();
  setWindowTitle(QStringLiteral("Quillmont Tessera"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Engine: %1").arg(FromSkinText(EngineInstallFolder()))));
  layout->addWidget(new QLabel(tr("Skins folder: %1").arg(FromSkinText(GetSkinsFolder()))));
  if (!commandLinePath.empty()) {
    layout->addWidget(new QLabel(tr("Skin to open: %1").arg(FromSkinText(SkinPathForCommandLine(commandLinePath)))));
  }
  resize(700, 500);
}

}  // namespace tessera::ui
