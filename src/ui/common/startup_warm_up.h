#pragma once
// Scans the system's font list on a thread of its own while start-up goes on with the engine,
// the settings and the main window: the first label the main window measures would otherwise
// wait for all of it. The font database locks its own state, so this is safe off the main
// thread, and whoever needs the list first simply waits for the scan to end. The thread runs on
// another processor than the one start-up goes on with, where there is one.
// Lives in main() after the application object and ends (joins) before it.
#include <thread>

namespace tessera::ui {

class StartupWarmUp {
 public:
  StartupWarmUp();
  ~StartupWarmUp();
  StartupWarmUp(const StartupWarmUp&) = delete;
  StartupWarmUp& operator=(const StartupWarmUp&) = delete;

 private:
  std::thread fonts_;
};

}  // namespace tessera::ui
