// tessera-cli skin render: a skin drawn by the preview library into a PNG file, either the
// thumbnail the editor writes or one preview kind.
#include <QImage>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/command_group.h"
#include "core/app/qimage_bridge.h"
#include "core/engine/engine_libraries.h"
#include "core/image/image_file.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/skin_path_safety.h"

namespace tessera::cli {

namespace {

constexpr const char* kHelp =
    "  skin render NAME -o FILE.png [--kind K] [--state S] [--size WxH] [--skins DIR]\n"
    "                                                         draw a skin with the preview library: its 240 x 180\n"
    "                                                         thumbnail, or preview kind K (1..41) in state S\n";

// Where the preview window lies in the main window's preview area, for the thumbnail.
constexpr VlRect kThumbnailPreviewArea{20, 60, 420, 360};
constexpr int kMaxSide = 4096;

bool parseSize(const std::string& text, int& width, int& height) {
  const auto x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  const auto w = parseNumber(text.substr(0, x));
  const auto h = parseNumber(text.substr(x + 1));
  if (!w || !h || *w < 1 || *h < 1 || *w > kMaxSide || *h > kMaxSide) return false;
  width = static_cast<int>(*w);
  height = static_cast<int>(*h);
  return true;
}

// The preview library of the data folder, else the one of this build.
bool loadPreviewModule(DynamicLibrary& module, const std::string& dataFolder) {
  for (const std::string& path : {ModulePath(dataFolder, "vuzudiv"), ModulePath(TESSERA_BUILD_ENGINE_DIR, "vuzudiv")}) {
    if (files::isFile(path) && module.load(path)) return true;
  }
  return false;
}

int render(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 2) return usage("skin render takes NAME");
  const std::string& name = p[1];
  const auto output = args.option("--output");
  if (!output || output->empty()) return usage("skin render needs -o FILE.png");
  if (!IsSafeSkinName(name)) return fail("not a skin name: " + name);
  int kind = 0, state = 1, width = 400, height = 300;
  if (const auto text = args.option("--kind")) {
    const auto n = parseNumber(*text);
    if (!n || *n < 1 || *n > 41) return usage("--kind takes a preview kind from 1 to 41");
    kind = static_cast<int>(*n);
  }
  if (const auto text = args.option("--state")) {
    const auto n = parseNumber(*text);
    if (!n || *n < -1 || *n > 255) return usage("--state takes a number from -1 to 255");
    state = static_cast<int>(*n);
  }
  if (const auto text = args.option("--size")) {
    if (!parseSize(*text, width, height)) return usage("--size takes WxH, each from 1 to 4096");
  }

  // The skins folder given, else the one of the settings store; the preview library finds the
  // skins folder from the skin's own path.
  const auto skinsOption = args.option("--skins");
  const std::string skinsFolder = skinsOption ? paths::toNative(*skinsOption) : GetSkinsFolder();
  const std::string dataFolder = skinsOption ? paths::join(skinsFolder, "Tessera7") : DataFolder();
  const std::string uis = paths::resolve(paths::join(paths::join(skinsFolder, name), name + ".uis"));
  if (!files::isFile(uis) || profile::SectionNames(uis).empty()) return fail("no skin named " + name + " in " + skinsFolder);
  DynamicLibrary module;
  if (!loadPreviewModule(module, dataFolder)) return fail("cannot load the preview library");
  PreviewLibrary preview;
  preview.bind(module);
  preview.SetSkinDir("");
  preview.DestroyBitmaps_and_Masks();
  preview.LoadUISFile(uis);

  QImage image;
  if (kind == 0) {
    const bool hasButtonCount = static_cast<int>(profile::GetInt("Personality", "ButtonCount", -1, uis)) != -1;
    image = ComposeSkinThumbnail(preview, kThumbnailPreviewArea, hasButtonCount,
                                 profile::ReadString("TitlebarSkin", "SkinName", name, uis));
  } else {
    image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    preview.DrawPreview(image, VlRect{0, 0, width, height}, kind, state);
  }
  const auto buffer = FromQImage(image);
  if (!buffer || SaveImagePng(*buffer, *output) != 0) return fail("cannot write " + *output);
  return kOk;
}

int run(const std::vector<std::string>& words) {
  if (words.empty() || words.front() != "render") return kNotThisGroup;
  // "-o" is the short form of "--output".
  std::vector<std::string> normalised = words;
  for (auto& word : normalised) {
    if (word == "-o") word = "--output";
  }
  const Arguments args(normalised, {"--output", "--kind", "--state", "--size", "--skins"});
  if (!args.valid()) return usage(args.error());
  return render(args);
}

}  // namespace

const CommandRegistration registration({"skin", kHelp, &run, 41});

}  // namespace tessera::cli
