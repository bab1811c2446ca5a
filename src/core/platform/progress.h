#pragma once
// How a long operation (copying, packing, cleaning or checking a skin, compressing a ZOR) tells
// its caller how far it is, and how the caller asks it to stop. The core never shows anything:
// the editor turns the reports into a progress window, tests into counters.
#include <cstdint>
#include <functional>

namespace tessera {

// Told that `done` of `total` steps are finished (done == total at the end of a run that was
// not stopped). Returns false to ask the operation to stop: it stops at its next safe point and
// leaves nothing half-made. An operation calls it on the thread it runs on.
using ProgressCallback = std::function<bool(std::int64_t done, std::int64_t total)>;

// Reports to `progress` when there is one; true (go on) when there is none.
inline bool ReportProgress(const ProgressCallback& progress, std::int64_t done, std::int64_t total) {
  return !progress || progress(done, total);
}

}  // namespace tessera
