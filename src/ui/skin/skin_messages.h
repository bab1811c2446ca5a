#pragma once
// Message boxes of the skin dialogs that are not questions: refusals carry an error icon.
#include <QWidget>
#include <string_view>

namespace tessera::ui {

// An error message with an OK button; `text` and `caption` are skin-file text (Windows-1252).
void ShowErrorMessage(QWidget* parent, std::string_view text, std::string_view caption);

}  // namespace tessera::ui
