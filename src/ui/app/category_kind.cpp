#include "ui/app/category_kind.h"

namespace tessera::ui {

int CategoryKind(int number) {
  switch (number) {
    case 0: return 2;
    case 1: return 0;
    case 2: return 1;
    case 3: return 6;
    case 4: return 4;
    case 5: return 3;
    case 8: return 5;
    case 9: return 8;
    case 10: return 7;
    default: return 1;
  }
}

}  // namespace tessera::ui
