#include "ui/sheet/pending_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tessera::ui {

PendingPage::PendingPage(SectionEditorContext& editor, const QString& caption, const QString& pageClass,
                         QWidget* parent)
    : PropertyPage(editor, caption, parent) {
  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(QStringLiteral("The \"%1\" page (%2) is not built yet.").arg(caption, pageClass), this);
  note->setObjectName(QStringLiteral("pendingNote"));
  note->setWordWrap(true);
  layout->addWidget(note);
  layout->addStretch();
}

}  // namespace tessera::ui
