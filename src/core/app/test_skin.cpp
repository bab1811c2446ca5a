#include "core/app/test_skin.h"

namespace tessera {

std::string TesterSkinValue() { return {}; }

bool TestSkin() { return false; }

}  // namespace tessera
