#include "ui/sheet/property_sheet.h"

#include <QStackedLayout>

#include "core/sheet/page_routing.h"
#include "ui/common/window_teardown.h"
#include "ui/pages/frame_page_factory.h"
#include "ui/pages/page_factory.h"
#include "ui/pages/painting_page_factory.h"
#include "ui/pages/text_page_factory.h"
#include "ui/pages/title_bar_button_page_factory.h"
#include "ui/sheet/extra_settings_page.h"
#include "ui/sheet/help_page.h"
#include "ui/sheet/import_page.h"
#include "ui/sheet/pending_page.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

// The pages and their captions.
class PropertySheet::Pages {
 public:
  QStackedLayout* stack = nullptr;
  QStringList captions;
};

namespace {

PropertyPage* CreatePage(PageKind kind, SectionEditorContext& editor, QWidget* parent) {
  switch (kind) {
    case PageKind::ExtraSettings:
      return new ExtraSettingsPage(editor, parent);
    case PageKind::Help:
      return new HelpPage(editor, parent);
    case PageKind::Import:
      return new ImportPage(editor, parent);
    default:
      if (PropertyPage* page = CreateImageSlotPage(kind, editor, parent)) return page;
      if (PropertyPage* page = CreatePaintingOrAnimationPage(kind, editor, parent)) return page;
      if (PropertyPage* page = CreateTextOrCaptionPage(kind, editor, parent)) return page;
      if (PropertyPage* page = CreateFramePage(kind, editor, parent)) return page;
      if (PropertyPage* page = CreateTitleBarButtonPage(kind, editor, parent)) return page;
      return new PendingPage(editor, QString::fromLatin1(PageCaption(kind)), parent);
  }
}

}  // namespace

PropertySheet::PropertySheet(SectionEditorContext& editor, const QString& rememberedCaption, QWidget* parent)
    : QWidget(parent), editor_(editor), pages_(new Pages) {
  setWindowTitle(QStringLiteral("Property Sheet"));
  pages_->stack = new QStackedLayout(this);
  const auto kinds = RoutePages(ReadRoutingFacts(editor.currentSection(), editor.currentTopLevelSection()));
  for (PageKind kind : kinds) {
    PropertyPage* page = CreatePage(kind, editor, this);
    pages_->stack->addWidget(page);
    pages_->captions << page->caption();
  }
  const int remembered = pages_->captions.indexOf(rememberedCaption);
  activatePage(remembered < 0 ? 0 : remembered);
}

PropertySheet::~PropertySheet() {
  // An edit made just before the sheet goes still reaches the previews.
  for (RefreshTimer* timer : findChildren<RefreshTimer*>()) timer->flush();
  DetachDescendantsFrom(this);
  delete pages_;
}

QStringList PropertySheet::pageCaptions() const { return pages_->captions; }
int PropertySheet::activePage() const { return pages_->stack->currentIndex(); }
QString PropertySheet::activeCaption() const { return pages_->captions.value(activePage()); }

void PropertySheet::activatePage(int index) {
  if (index < 0 || index >= pages_->stack->count()) return;
  pages_->stack->setCurrentIndex(index);
  emit activePageChanged(index);
}

QWidget* PropertySheet::page(int index) const { return pages_->stack->widget(index); }

}  // namespace tessera::ui
