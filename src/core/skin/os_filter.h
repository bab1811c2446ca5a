#pragma once
// The operating-system filter of the catalogue: which sections, groups and categories are offered
// for the TargetOS preference (0 all, 1 Windows XP, 2 Windows Vista, 3 Windows 7).
namespace tessera {

struct OsFlags {
  bool sevenOnly = false;
  bool notVista = false;
  bool notXP = false;
  bool notSeven = false;
};

// The badge drawn beside an entry: 3 Windows 7 only, 2 not Vista, 1 not XP, 0 none.
enum class OsBadge { None = 0, NotXP = 1, NotVista = 2, SevenOnly = 3 };

bool HiddenForTarget(const OsFlags& flags, int targetOS);
OsBadge BadgeFor(const OsFlags& flags);

}  // namespace tessera
