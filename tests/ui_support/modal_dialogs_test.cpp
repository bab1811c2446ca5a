// The modal-dialog helpers fail a test instead of hanging it, and answer only the dialog awaited.
#include "support/modal_dialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/scripted_file_picker.h"
#include "support/temp_dir.h"
#include "ui/common/picture_view.h"

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

// The real picker, cancelled: what it was asked shows in Qt's dialog.
TEST(FilePickerTest, TheDialogCarriesTheRequestAndACancelChoosesNothing) {
  const tessera::testing::TempDir temp;
  // The dialog remembers its history in the user's settings: keep them in the temporary folder.
  ::setenv("XDG_CONFIG_HOME", temp.file("config").c_str(), 1);
  const std::string start = temp.write("art/Glow.png", "not read");
  QString title;
  QStringList filters;
  QString folder;
  QString suffix;
  bool saving = false;
  bool previewShown = false;
  const auto shown = WhenModal<QFileDialog>([&](QFileDialog* dialog) {
    title = dialog->windowTitle();
    filters = dialog->nameFilters();
    folder = dialog->directory().absolutePath();
    suffix = dialog->defaultSuffix();
    saving = dialog->acceptMode() == QFileDialog::AcceptSave;
    previewShown = dialog->findChild<PictureView*>() != nullptr;
    dialog->reject();
  });
  const QString chosen = PickFileWithDialog(nullptr, {.title = QStringLiteral("Save picture as..."),
                                                      .filter = QStringLiteral("Images (*.tga);;All files (*)"),
                                                      .defaultSuffix = QStringLiteral("tga"),
                                                      .startPath = QString::fromStdString(start),
                                                      .mode = PickerMode::Save,
                                                      .preview = true});
  EXPECT_EQ(chosen, "");
  EXPECT_EQ(title, "Save picture as...");
  EXPECT_EQ(filters, (QStringList{"Images (*.tga)", "All files (*)"}));
  EXPECT_EQ(folder.toStdString(), temp.file("art"));
  EXPECT_EQ(suffix, "tga");
  EXPECT_TRUE(saving);
  EXPECT_TRUE(previewShown);
}

}  // namespace
}  // namespace tessera::ui
