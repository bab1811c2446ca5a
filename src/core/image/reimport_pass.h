#pragma once
// The re-import pass: converts changed outside pictures into the open skin's folder. It runs
// unattended whenever a skin opens and on every preview refresh, over files a downloaded skin
// may bring, so every path it writes must stay inside the skins folder (cut-outs) or the skin's
// own folder (tracked imports).
#include <string>
#include <vector>

namespace tessera {

struct ReimportReport {
  std::vector<std::string> rewritten;  // full paths of the pictures written, in order
};

// 1. Cut links: every linked source whose time changed is cut again into each of its cut-outs.
// 2. Tracked imports: every tracked source whose time changed is converted again into
//    <skin folder>/<Name>.TGA (or .BMP when its ext is "BMP").
// Stored times are updated; nothing is shown. Does nothing while no skin is open.
ReimportReport RunReimportPass();

}  // namespace tessera
