#pragma once
// "Check skin": the findings of the skin check in a list, filtered by level, with their count in
// the title. A double click opens the section editor on the finding's section.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/skin/check/skin_check.h"

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace tessera::ui {

class SkinCheckWindow : public QDialog {
  Q_OBJECT
 public:
  // Opens the section editor on a section; tests record the calls instead.
  using SectionOpener = std::function<void(QWidget* parent, const std::string& section)>;

  // A double click on a finding calls `opener` with the finding's section.
  SkinCheckWindow(std::string skinsFolder, std::string skinName, QWidget* parent, SectionOpener opener);

  // Runs the check again on the files as they are on disk (the main window calls it after a save).
  void refresh();
  const std::vector<CheckFinding>& findings() const { return findings_; }
  // The last check was cancelled before its end: findings() holds what it found until then.
  bool stopped() const { return stopped_; }

 private:
  void fillList();
  void openItem(QListWidgetItem* item);

  std::string skinsFolder_;
  std::string skinName_;
  SectionOpener opener_;
  std::vector<CheckFinding> findings_;
  bool stopped_ = false;
  QComboBox* filter_ = nullptr;
  QListWidget* list_ = nullptr;
};

}  // namespace tessera::ui
