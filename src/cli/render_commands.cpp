// tessera-cli skin render: a skin drawn by the preview library into a PNG file, either the
// thumbnail the editor writes or one preview kind.
#include <QImage>
#include <iostream>
#include <memory>

#include "cli/cli_support.h"
#include "cli/command_line.h"
#include "core/app/qimage_bridge.h"
#include "core/engine/engine_libraries.h"
#include "core/image/image_file.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_path_safety.h"

namespace tessera::cli {

namespace {

struct RenderArguments {
  std::string name;
  std::optional<std::string> output, kind, state, size, skins;
};

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

int render(const RenderArguments& a) {
  const std::string& name = a.name;
  const auto& output = a.output;
  if (!output || output->empty()) return usage("skin render needs -o FILE.png");
  if (!IsSafeSkinName(name)) return fail("not a skin name: " + name);
  int kind = 0, state = 1, width = 400, height = 300;
  if (const auto& text = a.kind) {
    const auto n = parseNumber(*text);
    if (!n || *n < 1 || *n > 41) return usage("--kind takes a preview kind from 1 to 41");
    kind = static_cast<int>(*n);
  }
  if (const auto& text = a.state) {
    const auto n = parseNumber(*text);
    if (!n || *n < -1 || *n > 255) return usage("--state takes a number from -1 to 255");
    state = static_cast<int>(*n);
  }
  if (const auto& text = a.size) {
    if (!parseSize(*text, width, height)) return usage("--size takes WxH, each from 1 to 4096");
  }

  // The skins folder given, else the one of the settings store; the preview library finds the
  // skins folder from the skin's own path.
  const auto& skinsOption = a.skins;
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
    const ColorRef desktop = ReadDesktopColour(uis);
    image = ComposeSkinThumbnail(preview, kThumbnailPreviewArea, hasButtonCount,
                                 profile::ReadString("TitlebarSkin", "SkinName", name, uis),
                                 QColor(RedOf(desktop), GreenOf(desktop), BlueOf(desktop)));
  } else {
    image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    preview.DrawPreview(image, VlRect{0, 0, width, height}, kind, state);
  }
  const auto buffer = FromQImage(image);
  if (!buffer || SaveImagePng(*buffer, *output) != 0) return fail("cannot write " + *output);
  return kOk;
}

void add(CommandLine& cli) {
  auto a = std::make_shared<RenderArguments>();
  CLI::App& render = cli.command(skinGroup(cli), "render",
                                 "draw a skin with the preview library: its 240 x 180 thumbnail, or preview kind K "
                                 "(1..41) in state S",
                                 [a] { return cli::render(*a); });
  render.add_option("NAME", a->name, "the skin's folder name")->required();
  addOutputOption(render, a->output, "the PNG file to write", "FILE.png")->required();
  render.add_option("--kind", a->kind, "the preview kind, 1 to 41 (default: the thumbnail)")->type_name("K");
  render.add_option("--state", a->state, "the preview state, -1 to 255 (default 1)")->type_name("S");
  render.add_option("--size", a->size, "the picture size for a preview kind (default 400x300)")->type_name("WxH");
  addSkinsOption(render, a->skins);
}

}  // namespace

const CommandRegistration registration(41, &add);

}  // namespace tessera::cli
