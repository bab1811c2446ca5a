#include "ui/common/appearance.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>

#include "core/platform/settings.h"
#include "ui/common/application_style.h"

namespace tessera::ui {

namespace {

struct StartingLook {
  QString styleName;
  QPalette palette;
};

// What the application looked like before the first change, so "follow the desktop" can return.
const StartingLook& startingLook() {
  static const StartingLook look{StyleName(),
                                 QApplication::palette()};
  return look;
}

void useStyle(const QString& name) {
  const bool wrapped = dynamic_cast<const ApplicationStyle*>(QApplication::style()) != nullptr;
  if (wrapped && StyleName().compare(name, Qt::CaseInsensitive) == 0) return;
  if (QStyle* style = QStyleFactory::create(name)) QApplication::setStyle(new ApplicationStyle(style));
}

}  // namespace

Appearance StoredAppearance() {
  const int value = ReadSettingInt(settings::Appearance);
  return value == 1 ? Appearance::Light : value == 2 ? Appearance::Dark : Appearance::Desktop;
}

QPalette DarkPalette() {
  QPalette palette;
  const QColor window(45, 45, 48), base(30, 30, 32), text(225, 225, 225), disabled(120, 120, 120);
  palette.setColor(QPalette::Window, window);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::AlternateBase, QColor(40, 40, 43));
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Button, QColor(55, 55, 58));
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::BrightText, QColor(255, 90, 90));
  palette.setColor(QPalette::Light, QColor(75, 75, 78));
  palette.setColor(QPalette::Midlight, QColor(62, 62, 65));
  palette.setColor(QPalette::Mid, QColor(35, 35, 37));
  palette.setColor(QPalette::Dark, QColor(25, 25, 27));
  palette.setColor(QPalette::Shadow, Qt::black);
  palette.setColor(QPalette::Highlight, QColor(42, 110, 190));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Link, QColor(110, 170, 255));
  palette.setColor(QPalette::LinkVisited, QColor(170, 140, 255));
  palette.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
  palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  palette.setColor(QPalette::ToolTipText, Qt::black);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, disabled);
  }
  palette.setColor(QPalette::Disabled, QPalette::HighlightedText, disabled);
  return palette;
}

QPalette InterfacePalette(const QPalette& application, int grey, bool withControls) {
  QPalette palette = application;
  grey = std::clamp(grey, 0, 255);
  const bool dark = application.color(QPalette::Window).lightness() < 128;
  const auto greyFor = [&](QPalette::ColorRole role) {
    if (!dark) return QColor(grey, grey, grey);
    const QColor own = application.color(role);
    return QColor(own.red() * grey / 255, own.green() * grey / 255, own.blue() * grey / 255);
  };
  palette.setColor(QPalette::Window, greyFor(QPalette::Window));
  if (withControls) {
    palette.setColor(QPalette::Base, greyFor(QPalette::Base));
    palette.setColor(QPalette::Button, greyFor(QPalette::Button));
  }
  if (!dark) {
    // Enabled text only: disabled controls keep the palette's greyed text, so they still look off.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, QPalette::WindowText, Qt::black);
      if (withControls) {
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
      }
    }
  }
  return palette;
}

void ApplyAppearance(Appearance appearance) {
  const StartingLook& look = startingLook();
  switch (appearance) {
    case Appearance::Desktop:
      useStyle(look.styleName);
      QApplication::setPalette(look.palette);
      break;
    case Appearance::Light:
      useStyle(QStringLiteral("Fusion"));
      QApplication::setPalette(QApplication::style()->standardPalette());
      break;
    case Appearance::Dark:
      useStyle(QStringLiteral("Fusion"));
      QApplication::setPalette(DarkPalette());
      break;
  }
}

}  // namespace tessera::ui
