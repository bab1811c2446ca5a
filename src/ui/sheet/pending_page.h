#pragma once
// Stands in for a page whose editor is not built yet: the sheet keeps its caption and order,
// and the page says it is not built yet.
#include "ui/sheet/property_page.h"

namespace tessera::ui {

class PendingPage : public PropertyPage {
  Q_OBJECT
 public:
  PendingPage(SectionEditorContext& editor, const QString& caption, QWidget* parent = nullptr);
};

}  // namespace tessera::ui
