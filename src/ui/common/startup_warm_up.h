#pragma once
// Reads the system's font list on a second thread while start-up goes on with the engine, the
// settings and the pictures: the first label the main window measures would otherwise wait for
// the whole scan. The font database is thread-safe; whoever needs it first simply waits for the
// scan to end. Lives in main() after the application object and ends (joins) before it.
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
