// The modal-dialog helpers fail a test instead of hanging it, and answer only the dialog awaited.
#include "support/modal_dialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>
#include <string>
#include <vector>

#include "support/scripted_file_picker.h"

namespace tessera::ui {
namespace {

using testing::NoModalExpected;
using testing::WhenModal;

// The failures that `run` reports, instead of failing this test.
template <typename Run>
std::vector<std::string> FailuresOf(Run run) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    run();
  }
  std::vector<std::string> messages;
  for (int i = 0; i < results.size(); ++i) messages.emplace_back(results.GetTestPartResult(i).message());
  return messages;
}

bool Mentions(const std::vector<std::string>& failures, const std::string& text) {
  for (const std::string& failure : failures)
    if (failure.find(text) != std::string::npos) return true;
  return false;
}

TEST(ModalDialogsTest, TheAwaitedDialogIsAnsweredFromItsOwnLoop) {
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Awaited"));
  QString seen;
  const auto failures = FailuresOf([&] {
    const auto shown = WhenModal<QDialog>([&](QDialog* running) {
      seen = running->windowTitle();
      running->accept();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(shown.seen());
  });
  EXPECT_TRUE(failures.empty());
  EXPECT_EQ(seen, "Awaited");
}

TEST(ModalDialogsTest, AModalOfAnotherTypeFailsAndIsClosedUnanswered) {
  bool answered = false;
  int result = -1;
  const auto failures = FailuresOf([&] {
    const auto shown = WhenModal<QMessageBox>([&](QMessageBox* box) {
      answered = true;
      box->accept();
    });
    QDialog other;
    other.setWindowTitle(QStringLiteral("Other"));
    result = other.exec();
  });
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_FALSE(answered);
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_TRUE(Mentions(failures, "unexpected modal QDialog \"Other\" while waiting for QMessageBox"));
  EXPECT_TRUE(Mentions(failures, "no modal QMessageBox opened"));
}

TEST(ModalDialogsTest, ADialogThatNeverCameFailsWithoutWaiting) {
  const auto failures =
      FailuresOf([] { const auto shown = WhenModal<QDialog>([](QDialog* dialog) { dialog->accept(); }); });
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_TRUE(Mentions(failures, "no modal QDialog opened"));
  // The waiter is gone: a later dialog is not answered by it and no longer awaited.
  QDialog later;
  const auto shown = WhenModal<QDialog>([](QDialog* dialog) { dialog->done(7); });
  EXPECT_EQ(later.exec(), 7);
}

TEST(ModalDialogsTest, NoModalExpectedClosesAnyModalAndFails) {
  int result = -1;
  const auto failures = FailuresOf([&] {
    const NoModalExpected none;
    QDialog unwanted;
    result = unwanted.exec();
  });
  EXPECT_EQ(result, QDialog::Rejected);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_TRUE(Mentions(failures, "where none may open"));
}

TEST(ModalDialogsTest, ScriptedPickerAnswersInOrderAndRestoresThePrevious) {
  using PickerFunction = QString (*)(QWidget*, const FilePickerRequest&);
  ASSERT_NE(CurrentFilePicker().target<PickerFunction>(), nullptr);
  {
    testing::ScriptedFilePicker picker;
    picker.choose("/tmp/a.png").cancel();
    EXPECT_EQ(PickFile(nullptr, {.title = QStringLiteral("First")}), "/tmp/a.png");
    EXPECT_EQ(PickFile(nullptr, {.title = QStringLiteral("Second"), .mode = PickerMode::Save}), "");
    ASSERT_EQ(picker.requests.size(), 2u);
    EXPECT_EQ(picker.requests[1].mode, PickerMode::Save);
    const auto failures = FailuresOf([] { EXPECT_EQ(PickFile(nullptr, {.title = QStringLiteral("Third")}), ""); });
    EXPECT_TRUE(Mentions(failures, "unexpected file picker \"Third\""));
  }
  ASSERT_NE(CurrentFilePicker().target<PickerFunction>(), nullptr);
  EXPECT_EQ(*CurrentFilePicker().target<PickerFunction>(), &PickFileWithDialog);
}

}  // namespace
}  // namespace tessera::ui
