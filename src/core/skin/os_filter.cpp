#include "core/skin/os_filter.h"

namespace tessera {

bool HiddenForTarget(const OsFlags& flags, int targetOS) {
  switch (targetOS) {
    case 1:
      return flags.notXP || flags.sevenOnly;
    case 2:
      return flags.notVista || flags.sevenOnly;
    case 3:
      return flags.notVista || flags.notSeven;
    default:
      return false;
  }
}

OsBadge BadgeFor(const OsFlags& flags) {
  if (flags.sevenOnly) return OsBadge::SevenOnly;
  if (flags.notVista) return OsBadge::NotVista;
  if (flags.notXP) return OsBadge::NotXP;
  return OsBadge::None;
}

}  // namespace tessera
