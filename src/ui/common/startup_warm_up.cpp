#include "ui/common/startup_warm_up.h"

#include <pthread.h>
#include <sched.h>

#include <QFontDatabase>
#include <QStringList>

namespace tessera::ui {

namespace {

// A new thread starts on its creator's processor and may wait there for milliseconds while the
// creator keeps it busy, by which time start-up is over. It is sent to the other processors.
void keepOffThisProcessor(std::thread& thread) {
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  if (::sched_getaffinity(0, sizeof allowed, &allowed) != 0 || CPU_COUNT(&allowed) < 2) return;
  const int here = ::sched_getcpu();
  if (here < 0 || !CPU_ISSET(here, &allowed)) return;
  CPU_CLR(here, &allowed);
  ::pthread_setaffinity_np(thread.native_handle(), sizeof allowed, &allowed);
}

}  // namespace

StartupWarmUp::StartupWarmUp() : fonts_([] { (void)QFontDatabase::families(); }) { keepOffThisProcessor(fonts_); }

StartupWarmUp::~StartupWarmUp() {
  if (fonts_.joinable()) fonts_.join();
}

}  // namespace tessera::ui
