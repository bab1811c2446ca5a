#pragma once
// One line saying what the last save, apply or test of the skin did ("Saved skin Cool."), for
// the window that shows it in its status line. Saves, applies and tests start from several
// windows; they report here, and whoever listens shows the latest line.
#include <functional>
#include <string>
#include <string_view>

namespace tessera {

using ActivityListener = std::function<void(const std::string& line)>;

// Installs `listener` (an empty one stops listening); returns the previous one.
ActivityListener ListenToActivity(ActivityListener listener);
// Hands `line` to the listener, when there is one.
void ReportActivity(std::string_view line);

}  // namespace tessera
