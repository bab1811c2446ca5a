#pragma once
// "Skin management": the installed skins with check boxes; the ticked ones are deleted, folder
// and all, after one question.
#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <string>
#include <vector>

namespace tessera::ui {

class SkinInfoPanel;

class SkinManagerDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit SkinManagerDialog(std::string skinsFolder, QWidget* parent = nullptr);

  QTreeWidget* skinList() const { return list_; }
  SkinInfoPanel* infoPanel() const { return info_; }
  QPushButton* deleteButton() const { return delete_; }

  std::vector<std::string> tickedSkins() const;
  // The skins the last "Delete selected skins..." removed.
  const std::vector<std::string>& deletedSkins() const { return deleted_; }

 private:
  void fillList();
  void showSelected();
  void deleteTicked();

  std::string skinsFolder_;
  std::vector<std::string> deleted_;
  QTreeWidget* list_;
  SkinInfoPanel* info_;
  QPushButton* delete_;
};

}  // namespace tessera::ui
