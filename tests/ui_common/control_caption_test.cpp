#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/common/control_caption.h"

namespace tessera::ui {
namespace {

TEST(ControlCaption, FindsTheWordsBesideEachKindOfControl) {
  QWidget window;
  auto* column = new QVBoxLayout(&window);

  auto* form = new QFormLayout;
  auto* formSpin = new QSpinBox(&window);
  form->addRow(QStringLiteral("&Frame count :"), formSpin);
  column->addLayout(form);

  // A grid nested in a box: the label is the first one before the control in its row.
  auto* row = new QHBoxLayout;
  auto* grid = new QGridLayout;
  auto* gridSpin = new QSpinBox(&window);
  grid->addWidget(new QLabel(QStringLiteral("Top"), &window), 0, 0);
  grid->addWidget(gridSpin, 0, 1);
  auto* tile = new QCheckBox(QStringLiteral("&Tile"), &window);
  grid->addWidget(tile, 0, 2);
  row->addLayout(grid);
  column->addLayout(row);

  auto* box = new QHBoxLayout;
  auto* boxEdit = new QLineEdit(&window);
  box->addWidget(new QLabel(QStringLiteral("Text to add :"), &window));
  box->addWidget(boxEdit);
  column->addLayout(box);

  auto* buddy = new QLabel(QStringLiteral("Button to &modify :"), &window);
  auto* buddied = new QSpinBox(&window);
  buddy->setBuddy(buddied);
  column->addWidget(buddy);
  column->addWidget(new QWidget(&window));
  column->addWidget(buddied);

  auto* unlabelled = new QSpinBox(&window);
  column->addWidget(unlabelled);

  EXPECT_EQ(ControlCaption(formSpin, &window), QStringLiteral("Frame count"));
  EXPECT_EQ(ControlCaption(gridSpin, &window), QStringLiteral("Top"));
  EXPECT_EQ(ControlCaption(tile, &window), QStringLiteral("Tile"));
  EXPECT_EQ(ControlCaption(boxEdit, &window), QStringLiteral("Text to add"));
  EXPECT_EQ(ControlCaption(buddied, &window), QStringLiteral("Button to modify"));
  // The focus sits in the spin box's own line edit while the user types.
  EXPECT_EQ(ControlCaption(gridSpin->findChild<QLineEdit*>(), &window), QStringLiteral("Top"));
  EXPECT_TRUE(ControlCaption(unlabelled, &window).isEmpty());
  EXPECT_TRUE(ControlCaption(nullptr, &window).isEmpty());
}

}  // namespace
}  // namespace tessera::ui
