#pragma once
// Watching the progress windows of long operations from interface tests: every report is
// recorded with the window it appeared over, and the dialog's own Cancel button is clicked at a
// chosen report, so a test cancels at a known step without timing.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "ui/common/progress_window.h"

namespace tessera::ui::testing {

class ProgressWatch {
 public:
  struct Report {
    std::int64_t done = 0;
    std::int64_t total = 0;
    int barValue = 0;
    int barMaximum = 0;
    QPointer<QWidget> over;  // the window the progress dialog belongs to
    QString caption;
    QString label;
    bool offersCancel = false;
  };

  // Clicks Cancel at report number `cancelAt` (from 1); 0 never does.
  explicit ProgressWatch(int cancelAt = 0) : cancelAt_(cancelAt) {
    previous_ = ProgressWindow::watchReports([this](ProgressWindow& window) { see(window); });
  }
  ~ProgressWatch() { ProgressWindow::watchReports(std::move(previous_)); }
  ProgressWatch(const ProgressWatch&) = delete;
  ProgressWatch& operator=(const ProgressWatch&) = delete;

  std::vector<Report> reports;
  bool reachedEnd() const { return !reports.empty() && reports.back().done == reports.back().total; }

 private:
  void see(ProgressWindow& window) {
    QProgressDialog* dialog = window.dialog();
    ASSERT_NE(dialog, nullptr);
    QAbstractButton* cancel = nullptr;
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
      if (button->text() == QStringLiteral("Cancel")) cancel = button;
    }
    reports.push_back({window.done(), window.total(), dialog->value(), dialog->maximum(), dialog->parentWidget(),
                       dialog->windowTitle(), dialog->labelText(), cancel != nullptr});
    if (static_cast<int>(reports.size()) != cancelAt_) return;
    if (!cancel) {
      ADD_FAILURE() << "the progress dialog offers no Cancel button";
      return;
    }
    cancel->click();
  }

  int cancelAt_;
  ProgressWindow::Watcher previous_;
};

}  // namespace tessera::ui::testing
