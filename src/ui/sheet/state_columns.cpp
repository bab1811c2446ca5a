#include "ui/sheet/state_columns.h"

#include <QPainter>
#include <algorithm>

namespace tessera::ui {

namespace {
constexpr int kColumnDialogUnits = 145;
// A horizontal dialog unit is a quarter of the font's average character width.
constexpr int kQuartersPerCharacter = 4;
}  // namespace

StateColumns::StateColumns(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void StateColumns::setNames(const QStringList& names) {
  names_ = names;
  updateGeometry();
  update();
}

int StateColumns::columnWidth() const {
  return fontMetrics().averageCharWidth() * kColumnDialogUnits / kQuartersPerCharacter;
}

int StateColumns::rowsPerColumn() const { return std::max(1, height() / std::max(1, fontMetrics().lineSpacing())); }

int StateColumns::columnOf(int index) const { return index / rowsPerColumn(); }

QSize StateColumns::sizeHint() const {
  return {columnWidth(), fontMetrics().lineSpacing() * std::max<int>(1, static_cast<int>(names_.size()))};
}

QSize StateColumns::minimumSizeHint() const { return {columnWidth(), fontMetrics().lineSpacing() * 3}; }

void StateColumns::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int line = fontMetrics().lineSpacing();
  const int rows = rowsPerColumn();
  for (int i = 0; i < names_.size(); ++i) {
    const int column = i / rows;
    const QRect cell(column * columnWidth(), (i % rows) * line, columnWidth(), line);
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, fontMetrics().elidedText(names_[i], Qt::ElideRight, cell.width()));
  }
}

}  // namespace tessera::ui
