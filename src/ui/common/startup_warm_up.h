#pragma once
// Does two slow first-time scans on threads of their own while start-up goes on with the engine,
// the settings and the main window: the system's font list (the first label the main window
// measures would otherwise wait for all of it) and Qt's image-format plugins (the first picture
// read loads every plugin to ask it about the format). Both are safe off the main thread: the
// font database and the plugin loader lock their own state, plugin objects are handed to the
// main thread by the loader, and whoever needs either first simply waits for the scan to end.
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
  std::thread images_;
};

}  // namespace tessera::ui
