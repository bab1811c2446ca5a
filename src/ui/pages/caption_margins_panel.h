#pragma once
// Alignment and margins of a caption's text, shared by the "Caption text settings" and "Caption"
// pages, which keep the same controls under different keys.
#include <QWidget>
#include <array>

#include "core/pages/caption_keys.h"

class QRadioButton;
class QSpinBox;

namespace tessera::ui {

class CaptionMarginsPanel : public QWidget {
  Q_OBJECT
 public:
  CaptionMarginsPanel(const CaptionMarginKeys& keys, QWidget* parent = nullptr);

  // Shows the stored values without writing anything.
  void load();
  QRadioButton* alignmentButton(int value) const { return alignment_[static_cast<std::size_t>(value)]; }
  QSpinBox* leftBox() const { return left_; }
  QSpinBox* rightBox() const { return right_; }
  QSpinBox* topBox() const { return top_; }
  QSpinBox* leftNoIconBox() const { return leftNoIcon_; }
  QSpinBox* rightNoIconBox() const { return rightNoIcon_; }

 signals:
  // A key was written.
  void written();

 private:
  QSpinBox* marginBox(const char* key);
  void showNoIconMargins();

  CaptionMarginKeys keys_;
  bool loading_ = false;
  std::array<QRadioButton*, 3> alignment_{};
  QSpinBox* left_ = nullptr;
  QSpinBox* right_ = nullptr;
  QSpinBox* top_ = nullptr;
  QSpinBox* leftNoIcon_ = nullptr;
  QSpinBox* rightNoIcon_ = nullptr;
};

}  // namespace tessera::ui
