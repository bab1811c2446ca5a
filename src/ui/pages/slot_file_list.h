#pragma once
// The drop-down of a slot's files: the empty entry first, then the pictures of the skin folder,
// each with a thumbnail. The list is read from the folder again each time it drops down, so
// files added outside the editor appear at once.
#include <QComboBox>
#include <string>
#include <vector>

namespace tessera::ui {

class SlotFileList : public QComboBox {
  Q_OBJECT
 public:
  static constexpr int kEntryHeight = 25;

  SlotFileList(const QString& emptyText, bool animationOnly, QWidget* parent = nullptr);

  // Reads the folder again and selects `value` (the empty entry when it is not listed).
  void refill(const std::string& value);
  void selectValue(const std::string& value);
  // Renames the empty entry at once (and for later refills).
  void setEmptyText(const QString& text);
  // The selected slot value; empty for the empty entry.
  std::string selectedValue() const;
  // The listed slot values, without the empty entry.
  const std::vector<std::string>& values() const { return values_; }

  void showPopup() override;

 signals:
  // The user chose an entry (empty string for the empty entry).
  void fileChosen(const std::string& value);

 private:
  QString emptyText_;
  bool animationOnly_;
  std::vector<std::string> values_;
  // The slot value last selected or chosen, and its entry (-1: not listed).
  std::string shownValue_;
  int shownIndex_ = -1;
};

}  // namespace tessera::ui
