#pragma once
// The frame names of a state list, drawn top to bottom in columns: when the next name would pass
// the bottom, a new column starts to the right.
#include <QStringList>
#include <QWidget>

namespace tessera::ui {

class StateColumns : public QWidget {
  Q_OBJECT
 public:
  explicit StateColumns(QWidget* parent = nullptr);

  void setNames(const QStringList& names);
  const QStringList& names() const { return names_; }
  // Width of one column: 145 dialog units of the widget's font.
  int columnWidth() const;
  // The column name `index` is drawn in at the widget's present height.
  int columnOf(int index) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int rowsPerColumn() const;
  QStringList names_;
};

}  // namespace tessera::ui
