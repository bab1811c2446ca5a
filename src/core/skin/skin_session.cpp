#include "core/skin/skin_session.h"

namespace tessera {

SkinSession& Session() {
  static SkinSession session;
  return session;
}

void EnableSkinWrites() { Session().writesEnabled = kWritesEnabledMarker; }

}  // namespace tessera
