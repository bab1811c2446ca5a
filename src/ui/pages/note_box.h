#pragma once
// A hint text drawn as a note: pale yellow with a grey border, the text inset and vertically
// centred in the information-text colour. Setting the text repaints it at once.
#include <QLabel>

namespace tessera::ui {

class NoteBox : public QLabel {
  Q_OBJECT
 public:
  explicit NoteBox(QWidget* parent = nullptr);
  explicit NoteBox(const QString& text, QWidget* parent = nullptr);
};

}  // namespace tessera::ui
