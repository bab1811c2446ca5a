#include "core/platform/change_observer.h"

#include <atomic>
#include <thread>

namespace tessera {

namespace {

std::atomic<ChangeObserver*> installed{nullptr};
std::thread::id observerThread;
thread_local int unobservedDepth = 0;

ChangeObserver* active() {
  if (unobservedDepth > 0) return nullptr;
  ChangeObserver* observer = installed.load();
  if (!observer || std::this_thread::get_id() != observerThread) return nullptr;
  return observer;
}

}  // namespace

ChangeObserver* InstallChangeObserver(ChangeObserver* observer) {
  observerThread = std::this_thread::get_id();
  return installed.exchange(observer);
}

ChangesUnobserved::ChangesUnobserved() { ++unobservedDepth; }
ChangesUnobserved::~ChangesUnobserved() { --unobservedDepth; }

namespace change_notice {

void fileWillChange(const std::string& path) {
  if (ChangeObserver* observer = active()) observer->fileWillChange(path);
}

void fileChanged(const std::string& path) {
  if (ChangeObserver* observer = active()) observer->fileChanged(path);
}

void keysWritten(const std::string& path, const std::string& section, const std::vector<std::string>& keys) {
  if (ChangeObserver* observer = active()) observer->keysWritten(path, section, keys);
}

}  // namespace change_notice

}  // namespace tessera
