#pragma once
// The property sheet of the section editor: built anew for every selection, it holds the pages
// that edit the current section. Its own tab strip is hidden; the editor's caption bar shows the
// page captions and activates pages through activatePage.
#include <QStringList>
#include <QWidget>

#include "ui/editor/section_editor_context.h"

namespace tessera::ui {

class PropertySheet : public QWidget {
  Q_OBJECT
 public:
  // Adds the pages of the editor's current section and activates the page whose caption is
  // `rememberedCaption`, else the first.
  PropertySheet(SectionEditorContext& editor, const QString& rememberedCaption, QWidget* parent = nullptr);
  ~PropertySheet() override;

  QStringList pageCaptions() const;
  int activePage() const;
  QString activeCaption() const;
  void activatePage(int index);
  // The page widget at `index` (nullptr when out of range).
  QWidget* page(int index) const;

 signals:
  void activePageChanged(int index);

 private:
  class Pages;
  SectionEditorContext& editor_;
  Pages* pages_;
};

}  // namespace tessera::ui
