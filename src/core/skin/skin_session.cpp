#include "core/skin/skin_session.h"

#include "core/skin/skin_document.h"

namespace tessera {

namespace {
bool writesEnabled = false;
}  // namespace

SkinSession& PendingSession() {
  static SkinSession session;
  return session;
}

SkinSession& Session() {
  SkinDocument* document = SkinDocument::current();
  return document ? document->session() : PendingSession();
}

void EnableSkinWrites() { writesEnabled = true; }
void DisableSkinWrites() { writesEnabled = false; }
bool SkinWritesEnabled() { return writesEnabled; }

}  // namespace tessera
