#include "ui/sheet/property_sheet.h"

#include <QStackedLayout>

namespace tessera::ui {

// The pages and their captions.
class CMyPropertySheet::Pages {
 public:
  QStackedLayout* stack = nullptr;
  QStringList captions;
};

CMyPropertySheet::CMyPropertySheet(SectionEditorContext& editor, const QString& rememberedCaption, QWidget* parent)
    : QWidget(parent), editor_(editor), pages_(new Pages) {
  setWindowTitle(QStringLiteral("Property Sheet"));
  pages_->stack = new QStackedLayout(this);
  const int remembered = pages_->captions.indexOf(rememberedCaption);
  activatePage(remembered < 0 ? 0 : remembered);
}

CMyPropertySheet::~CMyPropertySheet() { delete pages_; }

QStringList CMyPropertySheet::pageCaptions() const { return pages_->captions; }
int CMyPropertySheet::activePage() const { return pages_->stack->currentIndex(); }
QString CMyPropertySheet::activeCaption() const { return pages_->captions.value(activePage()); }

void CMyPropertySheet::activatePage(int index) {
  if (index < 0 || index >= pages_->stack->count()) return;
  pages_->stack->setCurrentIndex(index);
  emit activePageChanged(index);
}

}  // namespace tessera::ui
