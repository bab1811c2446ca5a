#include "ui/common/modified_mark.h"

#include <QUndoStack>
#include <QWidget>

#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"

namespace tessera::ui {

namespace {
const QString kPlaceholder = QStringLiteral("[*]");
}  // namespace

ModifiedMark::ModifiedMark(QWidget* window) : QObject(window), window_(window) {}

void ModifiedMark::follow(SkinDocument* document) {
  if (document_) document_->undoStack()->disconnect(this);
  document_ = document;
  if (document) {
    // The document's own handler of these signals runs first (it connected first), so the
    // session's flag is already up to date here.
    QUndoStack* stack = document->undoStack();
    connect(stack, &QUndoStack::cleanChanged, this, &ModifiedMark::refresh);
    connect(stack, &QUndoStack::indexChanged, this, &ModifiedMark::refresh);
  }
  refresh();
}

void ModifiedMark::refresh() { window_->setWindowModified(Session().isOpen() && Session().modified != 0); }

QString MarkableTitle(const QString& title) {
  if (title.contains(kPlaceholder)) return title;
  // "[Skin] - Program" is marked on the skin's name: "[Skin]* - Program".
  const qsizetype dash = title.indexOf(QLatin1String(" - "));
  return dash < 0 ? title + kPlaceholder : title.left(dash) + kPlaceholder + title.mid(dash);
}

QString ShownTitle(const QWidget* window) {
  QString title = window->windowTitle();
  title.replace(kPlaceholder, window->isWindowModified() ? QStringLiteral("*") : QString());
  return title;
}

}  // namespace tessera::ui
