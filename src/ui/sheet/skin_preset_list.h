#pragma once
// A list of the skin's colour or font presets, "OS Default" first, with the "..." button that
// opens the colour or fonts editor (on the open skin's document) and refills the list afterwards.
#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/skin/skin_document.h"

class QComboBox;
class QToolButton;

namespace tessera::ui {

class SkinPresetList : public QWidget {
  Q_OBJECT
 public:
  enum class Kind { Colours, Fonts };
  SkinPresetList(Kind kind, QWidget* dialogParent, SkinDocument* document, QWidget* parent = nullptr);

  // Re-reads the presets of the skin; the selection is left to the caller.
  void refill();
  // Preset numbers of rows 1.. (row 0 is "OS Default").
  const std::vector<int>& numbers() const { return numbers_; }
  QComboBox* list() const { return list_; }
  QToolButton* editButton() const { return edit_; }

 signals:
  // The user chose a row.
  void rowChosen(int row);
  // The editor behind "..." was closed and the list refilled.
  void presetsEdited();

 private:
  Kind kind_;
  QWidget* dialogParent_;
  QPointer<SkinDocument> document_;
  QComboBox* list_;
  QToolButton* edit_;
  std::vector<int> numbers_;
};

}  // namespace tessera::ui
