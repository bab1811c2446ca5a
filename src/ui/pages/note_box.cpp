#include "ui/pages/note_box.h"

#include <QPalette>

namespace tessera::ui {

NoteBox::NoteBox(QWidget* parent) : NoteBox(QString(), parent) {}

NoteBox::NoteBox(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setObjectName(QStringLiteral("noteBox"));
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const QColor textColour = palette().color(QPalette::ToolTipText);
  setStyleSheet(QStringLiteral("QLabel#noteBox { background: rgb(255,255,225); border: 1px solid rgb(210,210,210);"
                               " padding: 2px 8px; color: %1; }")
                    .arg(textColour.name()));
}

}  // namespace tessera::ui
