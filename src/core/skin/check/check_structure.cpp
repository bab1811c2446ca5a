// How the sections of a skin hang together: layer chains, title-bar buttons, presets, sections
// the catalogue does not know, and pictures nothing names.
#include <algorithm>
#include <set>
#include <unordered_set>

#include "core/colours/where_used.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/check/check_context.h"
#include "core/skin/check/layer_walk.h"
#include "core/skin/clean_skin.h"

namespace tessera::check {

namespace {

// What the engine reads of a layer chain: this many layers, names up to this length.
constexpr std::size_t kEngineLayers = 32;
constexpr std::size_t kEngineSectionName = 255;
// A preset value meaning "the system's colour or font".
constexpr long long kNoPreset = 255;
// ButtonCount values past this are not walked one by one.
constexpr long long kMaxWalkedButtons = 10000;

std::optional<long long> numberedSuffix(std::string_view section, std::string_view prefix) {
  if (section.size() <= prefix.size() || section.size() > prefix.size() + 9 ||
      !paths::equalsIgnoreCase(section.substr(0, prefix.size()), prefix)) {
    return std::nullopt;
  }
  long long n = 0;
  for (char c : section.substr(prefix.size())) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::set<std::string> lowerSections(const std::string& file) {
  std::set<std::string> names;
  for (const std::string& name : profile::SectionNames(file)) names.insert(paths::lower(name));
  return names;
}

}  // namespace

void CheckLayerChains(CheckContext& context, const SkinFile& file) {
  const std::set<std::string> present = lowerSections(file.path);
  const auto next = [&](const std::string& name) -> std::string {
    const auto value = profile::FindValue(name, "NextLayerName", file.path);
    return value && !value->empty() ? name + ":" + *value : std::string();
  };
  const auto exists = [&](const std::string& name) { return present.count(paths::lower(name)) > 0; };
  for (const std::string& section : UniqueSectionNames(file.path)) {
    if (section.find(':') != std::string::npos) continue;  // chains start at top-level sections
    const LayerWalk walk = WalkLayerChain(section, next, exists, kEngineSectionName);
    const std::string& last = walk.layers.empty() ? section : walk.layers.back();
    switch (walk.end) {
      case LayerChainEnd::MissingSection:
        context.add(CheckLevel::Error, file.relative, last, "NextLayerName",
                    "the next layer \"" + walk.stoppedAt + "\" does not exist");
        break;
      case LayerChainEnd::Loop:
        context.add(CheckLevel::Error, file.relative, last, "NextLayerName",
                    "the layer chain loops back to \"" + walk.stoppedAt + "\"");
        break;
      case LayerChainEnd::NameTooLong:
        context.add(CheckLevel::Warning, file.relative, last, "NextLayerName",
                    "the layer chain goes on past " + std::to_string(kEngineSectionName) +
                        " characters of section name, where the engine stops");
        break;
      case LayerChainEnd::Complete: break;
    }
    if (walk.layers.size() > kEngineLayers) {
      context.add(CheckLevel::Warning, file.relative, section, "NextLayerName",
                  "the section has " + std::to_string(walk.layers.size()) + " layers; the engine draws only the first " +
                      std::to_string(kEngineLayers));
    }
  }
}

void CheckUnknownSections(CheckContext& context, const SkinFile& file) {
  if (!context.hasCatalogue()) return;
  static const std::set<std::string> kStructural = {
      "colours",   "fonts",        "systemfonts",       "xptaskbar",      "xpshell",        "toolbaricons",
      "toolbaricons.info", "animations", "animations.avis", "animations.info"};
  static const char* const kNumbered[] = {"Button", "Colour", "Font", "SystemFont"};
  const std::string cataloguePath = paths::join(paths::join(context.skinsFolder(), "Tessera7"), "subsections.ini");
  const std::set<std::string> known = lowerSections(cataloguePath);
  for (const std::string& section : UniqueSectionNames(file.path)) {
    const std::string top = paths::lower(std::string_view(section).substr(0, section.find(':')));
    if (known.count(top) || kStructural.count(top)) continue;
    if (std::any_of(std::begin(kNumbered), std::end(kNumbered), [&](const char* p) { return numberedSuffix(top, p); })) {
      continue;
    }
    context.add(CheckLevel::Note, file.relative, section, "",
                "the catalogue does not know this section; the engine ignores it");
  }
}

void CheckButtons(CheckContext& context, const SkinFile& file) {
  const char* owner = "Personality";
  auto count = ReadIntValue(owner, "ButtonCount", file.path);
  if (!count) {
    owner = "Caption";
    count = ReadIntValue(owner, "ButtonCount", file.path);
  }
  long long n = 0;
  if (count) {
    if (!count->number || count->value < 0) {
      context.add(CheckLevel::Warning, file.relative, owner, "ButtonCount",
                  "\"" + count->text + "\" is not a number of buttons");
    } else {
      n = count->value;
    }
  }
  std::set<long long> present;
  for (const std::string& section : UniqueSectionNames(file.path)) {
    if (const auto i = numberedSuffix(section, "Button")) present.insert(*i);
  }
  std::vector<long long> missing;
  for (long long i = 0; i < std::min(n, kMaxWalkedButtons); ++i) {
    if (!present.count(i)) missing.push_back(i);
  }
  if (n > kMaxWalkedButtons) {
    context.add(CheckLevel::Error, file.relative, owner, "ButtonCount",
                "ButtonCount is " + std::to_string(n) + ", far more than the " + std::to_string(present.size()) +
                    " Button sections of the skin");
  } else if (missing.size() == 1) {
    context.add(CheckLevel::Error, file.relative, owner, "ButtonCount",
                "ButtonCount is " + std::to_string(n) + " but there is no section Button" + std::to_string(missing[0]));
  } else if (!missing.empty()) {
    context.add(CheckLevel::Error, file.relative, owner, "ButtonCount",
                "ButtonCount is " + std::to_string(n) + " but " + std::to_string(missing.size()) +
                    " of its Button sections are missing, the first Button" + std::to_string(missing[0]));
  }
  for (const long long i : present) {
    if (i >= n) {
      context.add(CheckLevel::Warning, file.relative, "Button" + std::to_string(i), "",
                  "the button is never shown: ButtonCount is " + std::to_string(n));
    }
  }
}

namespace {

bool colourDefined(long long n, const std::string& mainFile) {
  const std::string section = "Colour" + std::to_string(n);
  const auto colour = profile::FindValue(section, "Colour", mainFile);
  const auto red = profile::FindValue(section, "R", mainFile);
  return (colour && !colour->empty()) || (red && !red->empty());
}

bool fontDefined(const std::string& section, const std::string& mainFile) {
  const auto name = profile::FindValue(section, "FontName", mainFile);
  return name && !name->empty();
}

}  // namespace

void CheckPresets(CheckContext& context, const SkinFile& mainFile, const std::vector<SkinFile>& itsFiles) {
  std::vector<const char*> colourKeys = kTextColourKeys;
  colourKeys.push_back("DesktopTextColour");
  std::vector<const char*> fontKeys = kTextFontKeys;
  fontKeys.push_back("DesktopTextFont");

  std::vector<SkinFile> scanned{mainFile};
  scanned.insert(scanned.end(), itsFiles.begin(), itsFiles.end());
  for (const SkinFile& file : scanned) {
    for (const std::string& section : UniqueSectionNames(file.path)) {
      for (const bool colours : {true, false}) {
        for (const char* key : colours ? colourKeys : fontKeys) {
          const auto value = ReadIntValue(section, key, file.path);
          if (!value || !value->number || value->value == kNoPreset) continue;
          const bool defined = colours ? colourDefined(value->value, mainFile.path)
                                       : fontDefined("Font" + std::to_string(value->value), mainFile.path);
          if (!defined) {
            context.add(CheckLevel::Warning, file.relative, section, key,
                        std::string(colours ? "colour" : "font") + " preset " + std::to_string(value->value) +
                            " is used but not defined; the system's " + (colours ? "colour" : "font") + " is drawn");
          }
        }
      }
    }
  }
  // Caption fonts count from 1; 255 or less than 1 is the system font.
  for (const char* key : {"TitlebarFontObject", "TitlebarFontObjectInActive"}) {
    const auto value = ReadIntValue("Caption", key, mainFile.path);
    if (!value || !value->number || value->value < 1 || value->value == kNoPreset) continue;
    if (!fontDefined("Font" + std::to_string(value->value - 1), mainFile.path)) {
      context.add(CheckLevel::Warning, mainFile.relative, "Caption", key,
                  "font preset " + std::to_string(value->value) + " is used but not defined; the system's font is drawn");
    }
  }
  for (const char* role : {"SystemIcon", "SystemCaption", "SystemSmallCaption", "SystemMenu", "SystemMessage", "SystemStatus"}) {
    const auto value = ReadIntValue("SystemFonts", role, mainFile.path);
    if (!value || !value->number) continue;
    if (!fontDefined("SystemFont" + std::to_string(value->value), mainFile.path)) {
      context.add(CheckLevel::Warning, mainFile.relative, "SystemFonts", role,
                  "system font " + std::to_string(value->value) + " is used but not defined; the system's font is drawn");
    }
  }
}

void CheckUnreferencedPictures(CheckContext& context) {
  for (const std::string& value : FindUnreferencedImages(context.skinsFolder(), context.skinName())) {
    context.add(CheckLevel::Note, context.relative(context.resolveValue(value)), "", "",
                "no key of the skin names this picture");
  }
}

}  // namespace tessera::check
