#pragma once
// A file picker with scripted answers, installed while it lives: the windows under test ask it
// instead of opening a file dialog, and it keeps every request for the test to check.
#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <string>
#include <vector>

#include "ui/common/file_picker.h"

namespace tessera::ui::testing {

class ScriptedFilePicker {
 public:
  ScriptedFilePicker() = default;
  ~ScriptedFilePicker() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted file answer(s) never asked for";
  }
  ScriptedFilePicker(const ScriptedFilePicker&) = delete;
  ScriptedFilePicker& operator=(const ScriptedFilePicker&) = delete;

  // The next request is answered with `path`.
  ScriptedFilePicker& choose(const std::string& path) {
    answers_.push_back(QString::fromStdString(path));
    return *this;
  }
  // The next request is cancelled.
  ScriptedFilePicker& cancel() {
    answers_.push_back(QString());
    return *this;
  }

  const FilePickerRequest& lastRequest() const {
    static const FilePickerRequest none;
    return requests.empty() ? none : requests.back();
  }

  std::vector<FilePickerRequest> requests;

 private:
  QString answer(const FilePickerRequest& request) {
    requests.push_back(request);
    if (answers_.empty()) {
      ADD_FAILURE() << "unexpected file picker \"" << request.title.toStdString() << "\"";
      return {};
    }
    QString chosen = answers_.front();
    answers_.pop_front();
    return chosen;
  }

  std::deque<QString> answers_;
  // Last, so that it is installed once the rest exists and removed first.
  FilePickerOverride override_{[this](QWidget*, const FilePickerRequest& request) { return answer(request); }};
};

}  // namespace tessera::ui::testing
