#pragma once
// Start-up of the engine side: find the engine, load the skin database from its install folder
// and the preview library from the data folder. Both stay loaded until the process ends.
#include <string>

#include "core/platform/dynamic_library.h"

namespace tessera {

enum class EngineStartup { Ready, MissingSkinDatabase, MissingPreviewLibrary };

struct EngineModules {
  DynamicLibrary skinDatabase;    // <engine install folder>/divu
  DynamicLibrary previewLibrary;  // <skins folder>/Tessera7/vuzudiv
};

// The loaded modules of this process.
EngineModules& Engine();

// Loads both libraries in order; stops at the first that cannot be loaded.
EngineStartup LoadEngineModules();

// Paths the two libraries are loaded from.
std::string SkinDatabasePath();
std::string PreviewLibraryPath();
std::string RendererPath();
std::string LoaderProgramPath();
std::string TesterProgramPath();

// The texts shown when start-up cannot go on.
struct StartupMessage {
  const char* text;
  const char* caption;
};
StartupMessage MessageFor(EngineStartup failure);

}  // namespace tessera
