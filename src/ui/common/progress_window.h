#pragma once
// The progress of a long skin operation in the window it runs from: a window-modal progress
// dialog that appears only when the operation lasts (a quick run shows nothing), with a Cancel
// button. The operation runs on the interface thread and reports through callback(); each report
// lets the dialog repaint and take the Cancel click, which the operation honours at its next
// safe point (operations report only where stopping leaves nothing half-made). Once the last
// step is reported the Cancel button goes away: what follows (flushing, renaming) cannot stop.
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <functional>

#include "core/platform/progress.h"

class QWidget;

namespace tessera::ui {

class ProgressWindow {
 public:
  // The dialog shows once the operation has run this long and is not nearly done.
  static constexpr int kShowDelayMilliseconds = 400;

  ProgressWindow(QWidget* parent, const QString& caption, const QString& label);
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  // Hand this to the core operation; it answers false once Cancel was pressed.
  ProgressCallback callback();
  // A report of the operation (what callback() does).
  bool report(std::int64_t done, std::int64_t total);
  void setLabel(const QString& label);
  bool cancelled() const;
  // Closes the dialog once the operation has ended (the destructor does it too): a dialog left
  // waiting would still appear after its delay, over whatever the window shows next.
  void finish();
  // The highest `done` reported and the `total` it was reported with.
  std::int64_t done() const { return done_; }
  std::int64_t total() const { return total_; }
  QProgressDialog* dialog() const { return dialog_; }

  // Tests watch every report here (after the dialog took it, before the answer is given), for
  // example to press Cancel at a chosen step. Returns the previous watcher.
  using Watcher = std::function<void(ProgressWindow& window)>;
  static Watcher watchReports(Watcher watcher);

 private:
  QPointer<QProgressDialog> dialog_;
  bool cancelled_ = false;
  std::int64_t done_ = 0;
  std::int64_t total_ = 0;
};

}  // namespace tessera::ui
