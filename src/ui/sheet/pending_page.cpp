#include "ui/sheet/pending_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tessera::ui {

PendingPage::PendingPage(SectionEditorContext& editor, const QString& caption, QWidget* parent)
    : PropertyPage(editor, caption, parent) {
  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(QStringLiteral("The \"%1\" page is not built yet.").arg(caption), this);
  note->setObjectName(QStringLiteral("pendingNote"));
  note->setWordWrap(true);
  layout->addWidget(note);
  layout->addStretch();
}

}  // namespace tessera::ui
