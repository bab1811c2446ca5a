#pragma once
// Driving modal dialogs from tests: a dialog started with exec() is found once it is shown and
// handed to the test's code, which answers it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/engine/engine_startup.h"
#include "core/platform/prompt.h"
#include "core/platform/registry.h"
#include "core/skin/skin_list.h"
#include "support/temp_dir.h"

namespace tessera::ui::testing {

// Runs `action` on the next modal widget of type T. A modal widget of another type, or none
// within five seconds, fails the test and is closed so that the run does not hang.
template <typename T>
void WhenModal(std::function<void(T*)> action) {
  auto* timer = new QTimer;
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, clock, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (T* wanted = qobject_cast<T*>(modal)) {
      timer->stop();
      timer->deleteLater();
      action(wanted);
      return;
    }
    if (clock->elapsed() > 5000) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "the expected modal dialog did not appear";
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    }
  });
  timer->start();
}

// What a message box showed.
struct ShownMessage {
  QString text;
  QString caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool shown = false;
};

// Records the next message box and closes it with its first button.
inline std::shared_ptr<ShownMessage> CatchNextMessage() {
  auto shown = std::make_shared<ShownMessage>();
  WhenModal<QMessageBox>([shown](QMessageBox* box) {
    shown->text = box->text();
    shown->caption = box->windowTitle();
    shown->icon = box->icon();
    shown->shown = true;
    box->buttons().first()->click();
  });
  return shown;
}

// While it lives, closes every message box that appears and counts them: for steps that must not
// show one (a message box left open would block the test).
class MessageBoxGuard {
 public:
  MessageBoxGuard() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++shown;
        box->buttons().first()->click();
      }
    });
    timer_.start();
  }
  int shown = 0;

 private:
  QTimer timer_;
};

// A prompt with a fixed answer that records every question and message.
class ScriptedPrompt final : public Prompt {
 public:
  explicit ScriptedPrompt(PromptAnswer answer) : answer_(answer) { previous_ = InstallPrompt(this); }
  ~ScriptedPrompt() override { InstallPrompt(previous_); }
  PromptAnswer askYesNo(std::string_view text, std::string_view caption) override {
    questions.push_back({std::string(text), std::string(caption)});
    return answer_;
  }
  void inform(std::string_view text, std::string_view caption) override {
    messages.push_back({std::string(text), std::string(caption)});
  }
  struct Said {
    std::string text;
    std::string caption;
  };
  std::vector<Said> questions;
  std::vector<Said> messages;

 private:
  PromptAnswer answer_;
  Prompt* previous_ = nullptr;
};

// A private environment whose engine install folder holds the built stand-ins, with the skin
// database's list rebuilt for this test's skins folder.
class DialogTest : public tessera::testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    registry::writeValue(registry::Hive::LocalMachine, "SOFTWARE\\Quillmont\\Marrowline\\Velarium", "Path",
                         tessera::testing::StandinFolder());
    rebuildSkinList();
  }
  static void rebuildSkinList() { OnDemandSkinDatabase().CreateSkinList(); }
};

}  // namespace tessera::ui::testing
