#pragma once
// Where an installed Tessera keeps what it brings: the programs in <prefix>/bin, the engine
// stand-ins in <prefix>/lib/tessera/engine, the data folder and the bundled skins in
// <prefix>/share/tessera/skins. Everything is found relative to the running program, so an
// installed copy works from any prefix.
#include <optional>
#include <string>
#include <string_view>

#include "core/app/demo_environment.h"

namespace tessera {

// The folder of the running program's executable; empty when it cannot be told.
std::string RunningProgramFolder();

// The installed engine stand-ins and bundled skins for a program in `programFolder`, when both
// are there.
std::optional<DemoSources> InstalledSources(std::string_view programFolder);

// The installed sources of the running program, else `buildTree` (a program run from its build
// folder).
DemoSources PreferredSources(const DemoSources& buildTree);

// On the first start of an installed editor, when no engine is registered and no registry was
// chosen through TESSERA_REGISTRY: lays out the user's environment under the user's data folder
// (XDG_DATA_HOME or ~/.local/share, then "Tessera") from the installed sources and registers it.
// Returns false when nothing was laid out (already set up, not installed, or it failed).
bool SetUpFirstRunEnvironment();

}  // namespace tessera
