#include "ui/common/progress_window.h"

#include <QWidget>
#include <algorithm>
#include <limits>

namespace tessera::ui {

namespace {

ProgressWindow::Watcher& watcher() {
  static ProgressWindow::Watcher installed;
  return installed;
}

// QProgressDialog counts in int: larger totals are scaled down.
int scaled(std::int64_t value, std::int64_t total) {
  constexpr std::int64_t kLimit = std::numeric_limits<int>::max() / 2;
  if (total <= kLimit) return static_cast<int>(value);
  return static_cast<int>(static_cast<double>(value) / static_cast<double>(total) * static_cast<double>(kLimit));
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent, const QString& caption, const QString& label)
    : dialog_(new QProgressDialog(label, QStringLiteral("Cancel"), 0, 0, parent)) {
  dialog_->setWindowTitle(caption);
  // Window-modal: while the operation runs on this thread, the window it runs from takes no
  // other command, yet the progress dialog's own Cancel works.
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setMinimumDuration(kShowDelayMilliseconds);
}

ProgressWindow::~ProgressWindow() { finish(); }

void ProgressWindow::finish() {
  if (!dialog_) return;
  cancelled_ = dialog_->wasCanceled();
  dialog_->hide();
  delete dialog_.data();
}

ProgressCallback ProgressWindow::callback() {
  return [this](std::int64_t done, std::int64_t total) { return report(done, total); };
}

bool ProgressWindow::report(std::int64_t done, std::int64_t total) {
  if (!dialog_) return !cancelled_;
  total = std::max<std::int64_t>(total, 0);
  done = std::clamp<std::int64_t>(done, 0, total);
  done_ = std::max(done_, done);
  total_ = total;
  const int maximum = std::max(scaled(total, total), 1);
  if (dialog_->maximum() != maximum) dialog_->setMaximum(maximum);
  // setValue shows the dialog when the operation lasts and, once shown, lets it repaint and take
  // the Cancel click.
  dialog_->setValue(total == 0 ? 0 : scaled(done, total));
  // At the end only the finishing writes remain, which no Cancel stops: the button goes.
  if (total > 0 && done == total && !dialog_->wasCanceled()) dialog_->setCancelButtonText(QString());
  if (const Watcher current = watcher()) current(*this);
  return !cancelled();
}

void ProgressWindow::setLabel(const QString& label) {
  if (dialog_) dialog_->setLabelText(label);
}

bool ProgressWindow::cancelled() const { return dialog_ ? dialog_->wasCanceled() : cancelled_; }

ProgressWindow::Watcher ProgressWindow::watchReports(Watcher next) { return std::exchange(watcher(), std::move(next)); }

}  // namespace tessera::ui
