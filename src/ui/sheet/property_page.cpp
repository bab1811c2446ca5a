#include "ui/sheet/property_page.h"

#include <QApplication>
#include <QMetaObject>

#include "core/pages/image_slot.h"
#include "core/platform/skin_text.h"
#include "core/skin/catalogue.h"
#include "core/skin/skin_document.h"
#include "ui/common/control_caption.h"

namespace tessera::ui {

PropertyPage::PropertyPage(SectionEditorContext& editor, const QString& caption, QWidget* parent)
    : QWidget(parent), editor_(editor), caption_(caption) {
  followDocument();
}

void PropertyPage::followDocument() {
  SkinDocument* document = editor_.document();
  if (!document) return;
  connect(document, &SkinDocument::keysChanged, this, &PropertyPage::changed);
  // Pictures put back by an undo or changed by another window reach the page's lists and previews.
  connect(document, &SkinDocument::filesChanged, this, [this](const std::vector<std::string>& paths) {
    for (const std::string& path : paths) picturesChanged_ = picturesChanged_ || IsSlotFileName(path, false);
    changed();
  });
}

bool PropertyPage::ownChange() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus && isAncestorOf(focus);
}

void PropertyPage::changed() {
  if (reloadQueued_ || isLoading()) return;
  SkinDocument* document = editor_.document();
  if (!(document && document->isRestoring()) && ownChange()) {
    describeOwnChange();
    return;
  }
  reloadQueued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        reloadQueued_ = false;
        reloadFromSkin();
      },
      Qt::QueuedConnection);
}

void PropertyPage::describeOwnChange() {
  SkinDocument* document = editor_.document();
  const QString what = ControlCaption(QApplication::focusWidget(), this);
  if (!document || what.isEmpty()) return;
  const std::string topLevel = currentTopLevelSection();
  const std::string title = CatalogueFile(catalogue_files::kSubsections).readText(topLevel, subsection_keys::Description);
  document->describeChange(QStringLiteral("Change %1 of %2").arg(what, FromSkinText(title)));
}

void PropertyPage::reloadControls() {
  const LoadingScope loading(this);
  reload();
  picturesChanged_ = false;
}

void PropertyPage::reloadFromSkin() {
  reloadControls();
  refreshAfterReload();
}

}  // namespace tessera::ui
