#pragma once
// The demo environment: registry hives, an engine folder with the stand-in modules, and a skins
// folder holding the data folder and the demo skins, laid out under one root. `tessera-cli demo`
// and the interface crawl test both build it here.
#include <string>

namespace tessera {

struct DemoSources {
  std::string engineBuild;     // folder of the built stand-ins (divu, vlrend, vuzudiv, vlload, UITest)
  std::string generatedSkins;  // the generated skins folder: Tessera7 and the demo skins
};

struct DemoLayout {
  bool ok = false;
  std::string error;  // what failed, when !ok
  std::string registryFolder;
  std::string engineFolder;
  std::string skinsFolder;
};

// Lays out an engine folder and a skins folder under `root` and registers both in the registry in
// use (TESSERA_REGISTRY, else the user's own). The data folder and the bundled skins are replaced
// as a whole (edits of an earlier run are dropped); other skins of the skins folder stay.
DemoLayout LayOutEnvironment(const std::string& root, const DemoSources& sources);

// The same, with a registry of its own under `root`: points TESSERA_REGISTRY at it.
DemoLayout LayOutDemoEnvironment(const std::string& root, const DemoSources& sources);

}  // namespace tessera
