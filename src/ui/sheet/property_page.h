#pragma once
// What every page of the property sheet shares: its caption, the editor window it serves, and
// following the open skin's document, so that undo, redo and edits made in other windows show
// on the page at once.
#include <QWidget>
#include <string>

#include "ui/common/window_teardown.h"
#include "ui/editor/section_editor_context.h"

namespace tessera::ui {

class PropertyPage : public QWidget {
  Q_OBJECT
 public:
  PropertyPage(SectionEditorContext& editor, const QString& caption, QWidget* parent = nullptr);
  // The page's controls go after the page's own parts: what they emit then no longer reaches it.
  ~PropertyPage() override { DetachDescendantsFrom(this); }

  const QString& caption() const { return caption_; }
  // False while the controls are being filled from the skin.
  bool isLoaded() const { return loading_ == 0; }
  // Shows the keys as the skin files hold them now, previews included. Handlers of the controls
  // write nothing meanwhile.
  void reloadFromSkin();

 protected:
  // While true, the controls are being filled from the skin: their handlers must not write.
  // A page is loading from its construction until it first calls finishLoading().
  bool isLoading() const { return loading_ > 0; }
  void finishLoading() {
    if (constructed_) return;
    constructed_ = true;
    --loading_;
  }
  // Reads the keys into the controls again (reload() while loading), previews left as they are.
  void reloadControls();
  // During reload(): pictures of the skin folder were created, changed or deleted since the last
  // load, so picture lists are filled again (otherwise only their selection follows the keys).
  bool picturesChanged() const { return picturesChanged_; }
  // Marks the page as loading while it lives (a page switching what its controls show).
  class LoadingScope {
   public:
    explicit LoadingScope(PropertyPage* page) : page_(page) { ++page_->loading_; }
    ~LoadingScope() { --page_->loading_; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

   private:
    PropertyPage* page_;
  };

  // Reads the page's keys into its controls again. Pages that show no keys keep the default,
  // which does nothing.
  virtual void reload() {}
  // After a reload from the skin (not the first load): refreshes the page's previews.
  virtual void refreshAfterReload() {}

  SectionEditorContext& editor() const { return editor_; }
  std::string currentSection() const { return editor_.currentSection(); }
  std::string currentTopLevelSection() const { return editor_.currentTopLevelSection(); }

 private:
  void followDocument();
  // A change made through this page's own controls (the focus is on one of them) already shows;
  // any other change, an undo or redo included, is reloaded once the event loop is back. Pages
  // write keys of other sections too (the borders, the click actions), so every change counts.
  void changed();
  bool ownChange() const;
  // Names the journal's step for the control being changed, in the page's words.
  void describeOwnChange();

  SectionEditorContext& editor_;
  QString caption_;
  int loading_ = 1;  // one for the construction, one for each LoadingScope alive
  bool constructed_ = false;
  bool reloadQueued_ = false;
  bool picturesChanged_ = false;
};

}  // namespace tessera::ui
