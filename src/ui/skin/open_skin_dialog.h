#pragma once
// "Open skin for editing": the installed skins with a preview of the selected one; a double click
// chooses a skin, "Create new skin" makes one from a template and chooses it.
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <string>

namespace tessera::ui {

class SkinInfoPanel;
class SkinRowDelegate;

class OpenSkinDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit OpenSkinDialog(std::string skinsFolder, QWidget* parent = nullptr);

  // The chosen skin's name ("" while none was chosen).
  const std::string& chosenSkin() const { return chosen_; }

  QListWidget* skinList() const { return list_; }
  SkinInfoPanel* infoPanel() const { return info_; }
  QPushButton* createButton() const { return create_; }
  QPushButton* refreshButton() const { return refresh_; }
  QPushButton* openButton() const { return open_; }

  // Rebuilds the database's list, fills the rows again and reselects the same row.
  void refreshList();

 private:
  void fillList();
  void showSelected();
  void choose(QListWidgetItem* item);
  void createNewSkin();

  std::string skinsFolder_;
  std::string chosen_;
  QListWidget* list_;
  SkinRowDelegate* rows_;
  SkinInfoPanel* info_;
  QPushButton* create_;
  QPushButton* refresh_;
  QPushButton* open_;
};

}  // namespace tessera::ui
