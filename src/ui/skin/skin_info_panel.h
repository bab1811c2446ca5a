#pragma once
// What the skin lists show beside the selected skin: its rendered preview with the busy bar, its
// name, author and notes, and its web address as a link button.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <string>

namespace tessera::ui {

class BusyBar;
class SkinPreview;

class SkinInfoPanel final : public QWidget {
  Q_OBJECT
 public:
  explicit SkinInfoPanel(std::string skinsFolder, QWidget* parent = nullptr);
  // Puts the skin being edited back into the preview library when a list skin replaced it.
  ~SkinInfoPanel() override;

  // Shows the identity of installed skin `name` at once and loads its preview right after the
  // pending events, so that moving through a list loads only the skin it stops on.
  void showSkin(const std::string& name);
  void clear();
  // Loads the pending preview now (no-op when none is pending).
  void finishLoading();
  bool isLoading() const { return loadTimer_.isActive(); }

  const std::string& shownSkin() const { return skinName_; }
  SkinPreview* preview() const { return preview_; }
  BusyBar* busyBar() const { return busyBar_; }
  QLabel* nameLabel() const { return name_; }
  QLabel* authorLabel() const { return author_; }
  QLabel* notesLabel() const { return notes_; }
  QPushButton* linkButton() const { return link_; }

 private:
  void loadPreview();
  void openLink();

  std::string skinsFolder_;
  std::string skinName_;
  std::string skinTitle_;  // SkinName as the skin file holds it
  std::string url_;
  bool replacedEditedSkin_ = false;
  QTimer loadTimer_;
  SkinPreview* preview_;
  BusyBar* busyBar_;
  QLabel* name_;
  QLabel* author_;
  QLabel* notes_;
  QPushButton* link_;
};

}  // namespace tessera::ui
