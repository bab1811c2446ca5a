#include "core/skin/blend_modes.h"

#include <array>

#include "core/skin/section_store.h"

namespace tessera {

namespace {

constexpr std::array<BlendMode, 31> kBlendModes = {{
    {0, "Normal Blend Mode"},
    {14, "SRC ATOP"},
    {70, "SRC ATOP onto greyscale destination only (VL7)"},
    {71, "SRC ATOP onto colour destination only (VL7)"},
    {15, "DST ATOP"},
    {29, "Multiply Blend onto greyscale destination only"},
    {28, "Multiply Blend onto colour destination only"},
    {128, "Multiply Blend onto colour destination only with automask"},
    {129, "Multiply Blend onto greyscale destination only with automask"},
    {17, "Multiply Blend"},
    {117, "Multiply Blend with automask"},
    {18, "Plus Blend"},
    {118, "Plus Blend with automask"},
    {19, "Screen Blend"},
    {119, "Screen Blend with automask"},
    {219, "Screen Blend onto colour destination only with automask"},
    {220, "Screen Blend onto greyscale destination only with automask"},
    {20, "Overlay Blend"},
    {120, "Overlay Blend with automask"},
    {221, "Overlay Blend onto colour destination only with automask"},
    {222, "Overlay Blend onto greyscale destination only with automask"},
    {21, "Darken Blend Mode"},
    {121, "Darken Blend Mode with automask"},
    {22, "Lighten Blend Mode"},
    {122, "Lighten Blend Mode with automask"},
    {24, "Hard light"},
    {124, "Hard light with automask"},
    {26, "Difference Blend Mode"},
    {126, "Difference Blend Mode with automask"},
    {27, "Exclusion Blend Mode"},
    {127, "Exclusion Blend Mode with automask"},
}};

constexpr const char* kAlphaModeKey = "AlphaMode";

}  // namespace

std::span<const BlendMode> BlendModes() { return kBlendModes; }

std::size_t BlendModeRow(int storedValue) {
  for (std::size_t i = 0; i < kBlendModes.size(); ++i) {
    if (kBlendModes[i].value == storedValue) return i;
  }
  return 0;
}

int ReadBlendMode(const std::string& section, const std::string& skinFile) {
  return static_cast<int>(ReadSkinInt(section, kAlphaModeKey, 0, skinFile));
}

bool ChooseBlendMode(const std::string& section, std::size_t row, const std::string& skinFile) {
  if (row >= kBlendModes.size()) return false;
  return WriteSkinString(section, kAlphaModeKey, std::to_string(kBlendModes[row].value), skinFile) != 0;
}

}  // namespace tessera
