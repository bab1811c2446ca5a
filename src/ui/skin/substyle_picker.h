#pragma once
// "Select a substyle": shown when a skin with sub-styles is opened; "Open" edits the chosen one.
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <string>
#include <vector>

namespace tessera::ui {

class SubStylePickerDialog final : public QDialog {
  Q_OBJECT
 public:
  // `names` are the sub-styles' display names in their order; the first is selected.
  explicit SubStylePickerDialog(const std::vector<std::string>& names, QWidget* parent = nullptr);

  // The row "Open" chose, or -1 when the dialog was closed otherwise.
  int chosenRow() const { return chosen_; }

  QListWidget* list() const { return list_; }
  QPushButton* openButton() const { return open_; }

 private:
  void openChosen();

  int chosen_ = -1;
  QListWidget* list_;
  QPushButton* open_;
};

}  // namespace tessera::ui
