#pragma once
// What every page of the property sheet shares: its caption and the editor window it serves.
#include <QWidget>
#include <string>

#include "ui/editor/section_editor_context.h"

namespace tessera::ui {

class PropertyPage : public QWidget {
  Q_OBJECT
 public:
  PropertyPage(SectionEditorContext& editor, const QString& caption, QWidget* parent = nullptr)
      : QWidget(parent), editor_(editor), caption_(caption) {}

  const QString& caption() const { return caption_; }

 protected:
  SectionEditorContext& editor() const { return editor_; }
  std::string currentSection() const { return editor_.currentSection(); }
  std::string currentTopLevelSection() const { return editor_.currentTopLevelSection(); }

 private:
  SectionEditorContext& editor_;
  QString caption_;
};

}  // namespace tessera::ui
