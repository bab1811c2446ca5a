#include "core/platform/activity_report.h"

#include <utility>

namespace tessera {

namespace {
ActivityListener& listener() {
  static ActivityListener installed;
  return installed;
}
}  // namespace

ActivityListener ListenToActivity(ActivityListener next) { return std::exchange(listener(), std::move(next)); }

void ReportActivity(std::string_view line) {
  // A copy, so that a listener that replaces itself while it runs stays alive until it returns.
  const ActivityListener current = listener();
  if (current) current(std::string(line));
}

}  // namespace tessera
