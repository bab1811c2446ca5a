#pragma once
// What every page of the property sheet shares: its caption and the editor window it serves.
#include <QWidget>
#include <string>

#include "ui/common/window_teardown.h"
#include "ui/editor/section_editor_context.h"

namespace tessera::ui {

class PropertyPage : public QWidget {
  Q_OBJECT
 public:
  PropertyPage(SectionEditorContext& editor, const QString& caption, QWidget* parent = nullptr)
      : QWidget(parent), editor_(editor), caption_(caption) {}
  // The page's controls go after the page's own parts: what they emit then no longer reaches it.
  ~PropertyPage() override { DetachDescendantsFrom(this); }

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
