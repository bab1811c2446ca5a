#include "ui/common/window_teardown.h"

namespace tessera::ui {

void DetachDescendantsFrom(QObject* owner) {
  for (QObject* descendant : owner->findChildren<QObject*>()) QObject::disconnect(descendant, nullptr, owner, nullptr);
}

}  // namespace tessera::ui
