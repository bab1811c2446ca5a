#pragma once
// "Update section": after an image tool saved a picture, asks which skin section should show it.
// Lists the sections of the main working file and of its taskbar and shell companions; "Update"
// answers the chosen section and its file, "None" (or Escape) an empty name.
#include <QDialog>
#include <vector>

#include "core/skin/section_links.h"
#include "ui/strip/cut_tool_dialog.h"

class QListWidget;

namespace tessera::ui {

class UpdateSectionDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit UpdateSectionDialog(QWidget* parent = nullptr);

  QListWidget* sectionList() const { return list_; }
  // The choice once the dialog has closed: empty section for "None".
  SectionLinkAnswer answer() const;

  // Runs the dialog modally and returns its answer; the cut tool's chooser.
  static SectionLinkAnswer ask(QWidget* parent);

 private:
  std::vector<LinkableSection> sections_;
  QListWidget* list_ = nullptr;
};

}  // namespace tessera::ui
