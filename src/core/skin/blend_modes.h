#pragma once
// The blend modes a layer can have: the value stored in its "AlphaMode" key and the text the
// layer bar shows, in the order the list offers them.
#include <span>
#include <string>

namespace tessera {

struct BlendMode {
  int value;
  const char* text;
};

// Every mode, in list order; entry 0 is "Normal Blend Mode".
std::span<const BlendMode> BlendModes();

// The list row that shows a stored value: unknown values show as row 0, "Normal Blend Mode".
std::size_t BlendModeRow(int storedValue);

// The stored "AlphaMode" of a layer section (default 0). Unknown values are returned as they are,
// so that showing a layer never changes its file.
int ReadBlendMode(const std::string& section, const std::string& skinFile);
// Writes the mode of list row `row` (out of range: nothing is written). Returns whether it wrote.
bool ChooseBlendMode(const std::string& section, std::size_t row, const std::string& skinFile);

}  // namespace tessera
