#pragma once
// The application's style: the chosen Qt style, except that the overflow arrows of menu bars and
// tool bars are drawn here. Qt reads them from pictures whose format it settles by asking every
// image plugin, and every main window's menu bar asks for them as it is built: drawn arrows keep
// all image plugins from loading before the main window can show.
#include <QProxyStyle>

namespace tessera::ui {

class ApplicationStyle : public QProxyStyle {
 public:
  // Takes ownership of `base`.
  explicit ApplicationStyle(QStyle* base);

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;
};

// The name of the style in use ("Fusion"), looking through the application style to the style it
// wraps.
QString StyleName();

}  // namespace tessera::ui
