#include "core/app/reimport_hook.h"

#include "core/skin/skin_session.h"

namespace tessera {

void RunReimportPassForSession() {
  if (!Session().isOpen()) return;
  // The pass itself lives with the picture import code; it is called here once it is available.
}

}  // namespace tessera
