// tessera-cli image / strip / zor / skin reimport: picture files, frame strips, ZOR animations
// and the re-import pass.
#include <stdlib.h>

#include <QTemporaryDir>
#include <iostream>
#include <memory>

#include "cli/cli_support.h"
#include "cli/command_line.h"
#include "core/image/frame_strip.h"
#include "core/image/image_file.h"
#include "core/image/reimport_pass.h"
#include "core/image/zor_animation.h"
#include "core/image/zor_compressor.h"
#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/settings.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"

namespace tessera::cli {

namespace {

struct ImageArguments {
  std::string path, output, count;
  std::optional<std::string> outputOption, quality, frame, skins;
  bool all = false;
};

std::optional<int> frameCountArgument(const std::string& text) {
  const auto n = parseNumber(text);
  if (!n || *n < 0 || *n > 100000) return std::nullopt;
  return static_cast<int>(*n);
}

int imageInfo(const ImageArguments& a) {
  std::string format;
  const auto image = LoadImageFile(a.path, format);
  if (!image) return fail("cannot read " + a.path);
  std::cout << image->width() << 'x' << image->height() << ' ' << (HasAlpha(*image) ? "alpha" : "noalpha") << ' '
            << format << '\n';
  return kOk;
}

int imageConvert(const ImageArguments& a) {
  const std::string ext = paths::upper(paths::extension(a.output));
  if (ext != "TGA" && ext != "BMP" && ext != "PNG") return usage("OUT must end in .tga, .bmp or .png");
  auto image = LoadImageFile(a.path);
  if (!image) return fail("cannot read " + a.path);
  bool written = false;
  if (ext == "TGA") {
    written = SaveImageFile(a.output, *image, false);
  } else if (ext == "BMP") {
    UnpremultiplyKeyed(*image);
    written = SaveImageFile(a.output, *image, true);
  } else {
    written = SaveImagePng(*image, a.output) == 0;
  }
  return written ? kOk : fail("cannot write " + a.output);
}

int strip(const ImageArguments& a, bool toVertical) {
  const auto n = frameCountArgument(a.count);
  if (!n) return usage("N must be a frame count");
  if (!files::isFile(a.path) || !LoadImageFile(a.path)) return fail("cannot read " + a.path);
  const bool done = toVertical ? FlipHorizontalToVertical(a.path, *n) : FlipVerticalToHorizontal(a.path, *n);
  return done ? kOk : fail("cannot write " + a.path);
}

int zorEncode(const ImageArguments& a) {
  const auto n = frameCountArgument(a.count);
  if (!n) return usage("N must be a frame count");
  ZorAnimation animation;
  if (const auto& q = a.quality) {
    const auto quality = parseNumber(*q);
    if (!quality || *quality < 0 || *quality > 30) return usage("--quality takes a number from 0 to 30");
    animation.setQuality(static_cast<int>(*quality));
  }
  const std::string output = a.outputOption.value_or(ZorNameFor(a.path));
  switch (CompressToZor(a.path, *n, animation, {}, output)) {
    case ZorCompressResult::Written:
      std::cout << output << '\n';
      return kOk;
    case ZorCompressResult::CannotOpenSource: return fail("cannot read " + a.path);
    case ZorCompressResult::BadFrameCount: return fail("cannot split " + a.path + " into " + a.count + " frames");
    case ZorCompressResult::CannotWrite: return fail("cannot write " + output);
    case ZorCompressResult::Stopped: break;
  }
  return kFailure;
}

int zorInfo(const ImageArguments& a) {
  const auto bytes = files::readAll(a.path);
  const auto file = bytes ? ParseZorFile(*bytes) : std::nullopt;
  if (!file) return fail("cannot read " + a.path);
  std::cout << "width " << file->width << "\nheight " << file->height << "\nframes " << file->frameCount()
            << "\nstream words " << file->stream.size() << '\n';
  return kOk;
}

int zorDecode(const ImageArguments& a) {
  const auto& output = a.outputOption;
  if (!output) return usage("zor decode needs -o OUT");
  ZorAnimation animation;
  if (!animation.load(a.path)) return fail("cannot read " + a.path);
  std::vector<std::pair<int, std::string>> frames;
  if (a.all) {
    if (a.frame) return usage("--all and --frame exclude each other");
    if (!files::createFolders(*output)) return fail("cannot create " + *output);
    for (int i = 0; i < animation.frameCount(); ++i) frames.emplace_back(i, paths::join(*output, std::to_string(i) + ".png"));
  } else {
    int index = 0;
    if (const auto& text = a.frame) {
      const auto n = parseNumber(*text);
      if (!n || *n < 0 || *n >= animation.frameCount()) return usage("--frame takes a frame number of the file");
      index = static_cast<int>(*n);
    }
    frames.emplace_back(index, *output);
  }
  for (const auto& [index, target] : frames) {
    const auto frame = animation.decodeFrame(index);
    if (!frame) return fail("cannot read frame " + std::to_string(index) + " of " + a.path);
    if (SaveImagePng(*frame, target) != 0) return fail("cannot write " + target);
  }
  return kOk;
}

int runReimport(const ImageArguments& a) {
  if (!IsSafeSkinName(a.path)) return usage("NAME must be a skin folder name");

  // Another skins folder goes through a private settings store for this run only.
  QTemporaryDir privateRegistry;
  if (const auto& skins = a.skins) {
    if (!privateRegistry.isValid()) return fail("cannot create a temporary folder");
    ::setenv("TESSERA_REGISTRY", privateRegistry.path().toLocal8Bit().constData(), 1);
    WriteSetting(settings::InstalledPath, paths::toNative(*skins));
    ResetSkinsFolderCache();
  }
  const std::string skinFolder = paths::join(GetSkinsFolder(), a.path);
  std::string main;
  for (const std::string& name : files::listFilesWithExtension(skinFolder, "UIS")) {
    if (paths::equalsIgnoreCase(paths::stem(name), a.path)) main = paths::join(skinFolder, name);
  }
  if (main.empty()) return fail("there is no skin \"" + a.path + "\" in " + GetSkinsFolder());

  EnableSkinWrites();
  // An editor may have this skin open: its working copies, and their unsaved edits, stay.
  OpenSkinFiles(main, "", WorkingCopies::KeepExisting);
  for (const std::string& rewritten : RunReimportPass().rewritten) std::cout << rewritten << '\n';
  return kOk;
}

void addImage(CommandLine& cli) {
  auto a = std::make_shared<ImageArguments>();
  CLI::App& image = cli.group("image", "inspect and convert pictures");
  CLI::App& info = cli.command(image, "info", "print WIDTHxHEIGHT alpha|noalpha FORMAT of a picture", [a] { return imageInfo(*a); });
  info.add_option("PATH", a->path, "the picture")->required();
  CLI::App& convert = cli.command(image, "convert", "convert a picture; OUT's extension picks .tga, .bmp or .png",
                                  [a] { return imageConvert(*a); });
  convert.add_option("IN", a->path, "the picture to read")->required();
  convert.add_option("OUT", a->output, "the picture to write")->required();
}

void addStrip(CommandLine& cli) {
  auto a = std::make_shared<ImageArguments>();
  CLI::App& group = cli.group("strip", "turn frame strips");
  for (const bool toVertical : {true, false}) {
    CLI::App& turn = cli.command(group, toVertical ? "to-vertical" : "to-horizontal",
                                 toVertical ? "turn a horizontal strip of N frames vertical, in place"
                                            : "turn a vertical strip of N frames horizontal, in place",
                                 [a, toVertical] { return strip(*a, toVertical); });
    turn.add_option("PATH", a->path, "the strip picture")->required();
    turn.add_option("N", a->count, "its number of frames")->required();
  }
}

void addZor(CommandLine& cli) {
  auto a = std::make_shared<ImageArguments>();
  CLI::App& zor = cli.group("zor", "encode and decode ZOR animations");
  CLI::App& encode = cli.command(zor, "encode",
                                 "compress a vertical strip of N frames (default OUT: STRIP with its last three "
                                 "characters replaced by ZOR)",
                                 [a] { return zorEncode(*a); });
  encode.add_option("STRIP", a->path, "the vertical strip")->required();
  encode.add_option("N", a->count, "its number of frames")->required();
  encode.add_option("--quality", a->quality, "the quality, 0 to 30")->type_name("Q");
  addOutputOption(encode, a->outputOption, "the ZOR file to write", "OUT");

  CLI::App& info = cli.command(zor, "info", "print width, height, frames and stream words", [a] { return zorInfo(*a); });
  info.add_option("FILE", a->path, "the ZOR file")->required();

  CLI::App& decode = cli.command(zor, "decode",
                                 "decode one frame (default 0) to a PNG, or with --all every frame in order to "
                                 "FOLDER/0.png, 1.png, ...",
                                 [a] { return zorDecode(*a); });
  decode.add_option("FILE", a->path, "the ZOR file")->required();
  addOutputOption(decode, a->outputOption, "the PNG file to write, or with --all the folder", "OUT")->required();
  decode.add_option("--frame", a->frame, "the frame to decode (default 0)")->type_name("I");
  addFlag(decode, "--all", a->all, "decode every frame into the folder OUT");
}

void addReimport(CommandLine& cli) {
  auto a = std::make_shared<ImageArguments>();
  CLI::App& reimport = cli.command(skinGroup(cli), "reimport",
                                   "open a skin's files and run the re-import pass, printing the pictures it rewrote",
                                   [a] { return runReimport(*a); });
  reimport.add_option("NAME", a->path, "the skin's folder name")->required();
  addSkinsOption(reimport, a->skins);
}

}  // namespace

const CommandRegistration imageRegistration(50, &addImage);
const CommandRegistration stripRegistration(51, &addStrip);
const CommandRegistration zorRegistration(52, &addZor);
// Ahead of the other "skin" commands: the order of --help.
const CommandRegistration reimportRegistration(29, &addReimport);

}  // namespace tessera::cli
