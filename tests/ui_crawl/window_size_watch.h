#pragma once
// Watches every window the crawl shows: on a laptop-size screen each must open at least as large
// as its content asks (its size hint, as far as the screen allows) and never larger than the
// screen with its title bar, and its number fields must not be stretched across the window.
#include <QObject>
#include <QSet>
#include <QSize>
#include <QStringList>

namespace tessera::ui::crawl {

class WindowSizeWatch : public QObject {
 public:
  WindowSizeWatch();
  ~WindowSizeWatch() override;
  // Checks the number fields now shown in `area` (a page shown after its window opened).
  void checkFields(const QWidget& area);
  // One line per window that opened at a size that does not fit, or field stretched too wide.
  const QStringList& misfits() const { return misfits_; }
  int windowsSeen() const { return seen_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Notes a misfit once, however often its window or page shows.
  void note(const QString& misfit);
  QStringList misfits_;
  QSet<QString> noted_;
  int seen_ = 0;
};

// The screen the crawl runs on: 1366 x 768, set through the offscreen platform's configuration.
inline constexpr QSize kLaptopScreen(1366, 768);

}  // namespace tessera::ui::crawl
