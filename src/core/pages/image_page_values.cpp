#include "core/pages/image_page_values.h"

#include <optional>

#include "core/pages/image_slot.h"
#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/skin/catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

constexpr std::string_view kMdiSection = "MDIControls";
constexpr std::string_view kPersonalitySection = "Personality";

const char* flag(bool on) { return on ? "1" : "0"; }
const std::string& mainFile() { return Session().mainFile; }

}  // namespace

ImagePageLayout ReadImagePageLayout(std::string_view section, std::string_view topLevelSection) {
  const CatalogueFile catalogue(catalogue_files::kSubsections);
  ImagePageLayout layout;
  layout.hideTransparency = catalogue.isOn(topLevelSection, subsection_keys::HideTrans);
  layout.hidePerPixel = catalogue.isOn(section, subsection_keys::HidePerPixel);
  layout.hideVertical = catalogue.isOn(section, subsection_keys::HideVert);
  layout.imageCount = catalogue.readInt(topLevelSection, subsection_keys::ImageCount);
  layout.notes = catalogue.readText(topLevelSection, subsection_keys::ImageNotes);
  const std::string preview = catalogue.readText(topLevelSection, subsection_keys::Preview);
  if (!preview.empty() && IsSafeRelativePath(preview)) {
    layout.examplePicture = paths::join(paths::join(DataFolder(), "previews"), preview);
  }
  return layout;
}

ImagePageValues ReadImagePageValues(std::string_view section, int imageCount) {
  ImagePageValues values;
  const bool perPixel = ReadSkinInt(section, "PerPixel", 0, mainFile()) != 0;
  const bool trans = section == kMdiSection ? ReadSkinInt(kPersonalitySection, "MDITransparent", 0, mainFile()) != 0
                                            : ReadSkinInt(section, "Trans", 0, mainFile()) != 0;
  values.transparent = trans || perPixel;
  values.vertical = ReadSkinInt(section, "Vert", 0, mainFile()) != 0;
  values.premultiplied = ReadSkinInt(section, "PreMultipliedAlpha", 0, mainFile()) != 0;
  values.premultipliedEnabled = NamesAlphaCapableFile(ReadSlotValue(section, kImageSlot));
  values.frameCount = static_cast<int>(ReadSkinInt(section, "FrameCount", imageCount, mainFile()));
  return values;
}

bool WriteTransparency(std::string_view section, bool on) {
  const bool alphaCapable = NamesAlphaCapableFile(ReadSlotValue(section, kImageSlot));
  if (section == kMdiSection) {
    WriteSkinString(kPersonalitySection, "MDITransparent", flag(on), mainFile());
    return alphaCapable;
  }
  WriteSkinString(section, "Trans", flag(on), mainFile());
  if (alphaCapable) {
    WriteSkinString(section, "PerPixel", flag(on), mainFile());
    return true;
  }
  WriteSkinString(section, "PerPixel", "0", mainFile());
  WriteSkinString(section, "PreMultipliedAlpha", "0", mainFile());
  return false;
}

void WriteVerticalFrames(std::string_view section, bool on) {
  WriteSkinString(section, "Vert", flag(on), mainFile());
  WriteSkinString(section, "GlyphVert", flag(on), mainFile());
}

void WritePremultiplied(std::string_view section, bool on) {
  WriteSkinString(section, "PreMultipliedAlpha", flag(on), mainFile());
}

void WriteFrameCount(std::string_view section, int frameCount, int imageCount) {
  if (frameCount == imageCount) {
    WriteSkinString(section, "FrameCount", std::nullopt, mainFile());
  } else {
    WriteSkinString(section, "FrameCount", std::to_string(frameCount), mainFile());
  }
}

}  // namespace tessera
