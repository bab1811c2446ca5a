#pragma once
// The skin-wide textures and the drawing values of glass window frames: which texture picture
// the start menu, the taskbar and the window frames use, and the alphas and hues of the frame
// drawing. Every write goes through the section store and is skipped when the stored value is
// already the one asked for, so showing a value never counts as a change.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

inline constexpr const char* kStartMenuTextureSection = "StartMenu.Texture";
inline constexpr const char* kTaskbarTextureSection = "Taskbar.Texture";
inline constexpr const char* kFramesTextureSection = "Frames.Texture";
inline constexpr const char* kFrameDrawingSection = "DWM";
inline constexpr const char* kFrameHueSection = "WindowFrame.Activetexture";
// The first entry of a texture list; its leading space marks it as "no picture".
inline constexpr const char* kNoTextureText = " No texture defined - use default OS look";

// The texture picture of `section` ("Image"); empty when none is set.
std::string ReadTexture(std::string_view section);
// Choosing a texture list entry: the no-texture entry (empty value) deletes the whole section,
// any other value is written into "Image".
bool WriteTextureChoice(std::string_view section, std::string_view value);

// The pictures a texture list offers (TGA, BMP and ZOR files of the skin folder, lower case,
// sorted, each once).
std::vector<std::string> TextureFiles();

inline constexpr int kMaxAlpha = 255;
inline constexpr int kMaxHue = 360;

struct AlphaKey {
  const char* key;
  int whenAbsent;
};
inline constexpr AlphaKey kShineAlpha{"ShineAlpha", 220};
inline constexpr AlphaKey kBorderAlpha{"BorderAlpha", 255};
inline constexpr AlphaKey kButtonAlpha{"ButtonAlpha", 255};
inline constexpr const char* kButtonHue = "ButtonHue";
inline constexpr const char* kCloseButtonHue = "CloseButtonHue";

// An alpha of [DWM] as a slider shows it: absent gives the key's default, a stored value out of
// 0..255 is clamped.
int ReadFrameAlpha(const AlphaKey& alpha);
// Writes the alpha clamped to 0..255; nothing when the key already reads as that value.
bool WriteFrameAlpha(const AlphaKey& alpha, int value);

// A hue of [WindowFrame.Activetexture]: nullopt when the key is absent or negative (the engine's
// own colours), else the value clamped to 0..360.
std::optional<int> ReadFrameHue(const char* key);
// Writes the hue clamped to 0..360, or deletes the key for nullopt; nothing when the stored key
// already says the same.
bool WriteFrameHue(const char* key, std::optional<int> value);

bool ReadNoFlip();
bool WriteNoFlip(bool noFlip);

// The colour of column x of a hue slider's channel `width` columns wide: hue 360 * x / width
// (integer division), saturation 0.8, lightness 0.5. Packed 0xRRGGBB.
unsigned int RainbowColumnColour(int x, int width);

}  // namespace tessera
