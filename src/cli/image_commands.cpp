// tessera-cli image / strip / zor / skin reimport: picture files, frame strips, ZOR animations
// and the re-import pass.
#include <stdlib.h>

#include <QTemporaryDir>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/command_group.h"
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

constexpr const char* kImageHelp =
    "  image info PATH                                        print WIDTHxHEIGHT alpha|noalpha FORMAT of a picture\n"
    "  image convert IN OUT                                   convert a picture; OUT's extension picks .tga, .bmp or .png\n";
constexpr const char* kStripHelp =
    "  strip to-vertical PATH N                               turn a horizontal strip of N frames vertical, in place\n"
    "  strip to-horizontal PATH N                             turn a vertical strip of N frames horizontal, in place\n";
constexpr const char* kZorHelp =
    "  zor encode STRIP N [--quality Q] [-o OUT]              compress a vertical strip of N frames (default OUT: STRIP\n"
    "                                                         with its last three characters replaced by ZOR)\n"
    "  zor info FILE                                          print width, height, frames and stream words\n"
    "  zor decode FILE -o OUT.png [--frame I]                 decode one frame (default 0) to a PNG\n"
    "  zor decode FILE -o FOLDER --all                        decode every frame in order to FOLDER/0.png, 1.png, ...\n";
constexpr const char* kReimportHelp =
    "  skin reimport NAME [--skins DIR]                       open a skin's files and run the re-import pass, printing\n"
    "                                                         the pictures it rewrote\n";

// "-o" is the short form of --output.
std::vector<std::string> withLongOptions(std::vector<std::string> words) {
  for (auto& word : words) {
    if (word == "-o") word = "--output";
  }
  return words;
}

std::optional<int> frameCountArgument(const std::string& text) {
  const auto n = parseNumber(text);
  if (!n || *n < 0 || *n > 100000) return std::nullopt;
  return static_cast<int>(*n);
}

int imageInfo(const std::vector<std::string>& p) {
  if (p.size() != 2) return usage("image info takes PATH");
  std::string format;
  const auto image = LoadImageFile(p[1], format);
  if (!image) return fail("cannot read " + p[1]);
  std::cout << image->width() << 'x' << image->height() << ' ' << (HasAlpha(*image) ? "alpha" : "noalpha") << ' '
            << format << '\n';
  return kOk;
}

int imageConvert(const std::vector<std::string>& p) {
  if (p.size() != 3) return usage("image convert takes IN OUT");
  const std::string ext = paths::upper(paths::extension(p[2]));
  if (ext != "TGA" && ext != "BMP" && ext != "PNG") return usage("OUT must end in .tga, .bmp or .png");
  auto image = LoadImageFile(p[1]);
  if (!image) return fail("cannot read " + p[1]);
  bool written = false;
  if (ext == "TGA") {
    written = SaveImageFile(p[2], *image, false);
  } else if (ext == "BMP") {
    UnpremultiplyKeyed(*image);
    written = SaveImageFile(p[2], *image, true);
  } else {
    written = SaveImagePng(*image, p[2]) == 0;
  }
  return written ? kOk : fail("cannot write " + p[2]);
}

int runImage(const std::vector<std::string>& words) {
  const Arguments args(words, {});
  if (!args.valid()) return usage(args.error());
  const auto& p = args.positional();
  if (p.empty()) return usage("image needs a command");
  if (p[0] == "info") return imageInfo(p);
  if (p[0] == "convert") return imageConvert(p);
  return usage("unknown image command '" + p[0] + "'");
}

int runStrip(const std::vector<std::string>& words) {
  const Arguments args(words, {});
  if (!args.valid()) return usage(args.error());
  const auto& p = args.positional();
  if (p.empty()) return usage("strip needs a command");
  if (p[0] != "to-vertical" && p[0] != "to-horizontal") return usage("unknown strip command '" + p[0] + "'");
  if (p.size() != 3) return usage("strip " + p[0] + " takes PATH N");
  const auto n = frameCountArgument(p[2]);
  if (!n) return usage("N must be a frame count");
  if (!files::isFile(p[1]) || !LoadImageFile(p[1])) return fail("cannot read " + p[1]);
  const bool done = p[0] == "to-vertical" ? FlipHorizontalToVertical(p[1], *n) : FlipVerticalToHorizontal(p[1], *n);
  return done ? kOk : fail("cannot write " + p[1]);
}

int zorEncode(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 3) return usage("zor encode takes STRIP N");
  const auto n = frameCountArgument(p[2]);
  if (!n) return usage("N must be a frame count");
  ZorAnimation animation;
  if (const auto q = args.option("--quality")) {
    const auto quality = parseNumber(*q);
    if (!quality || *quality < 0 || *quality > 30) return usage("--quality takes a number from 0 to 30");
    animation.setQuality(static_cast<int>(*quality));
  }
  const std::string output = args.option("--output").value_or(ZorNameFor(p[1]));
  switch (CompressToZor(p[1], *n, animation, {}, output)) {
    case ZorCompressResult::Written:
      std::cout << output << '\n';
      return kOk;
    case ZorCompressResult::CannotOpenSource: return fail("cannot read " + p[1]);
    case ZorCompressResult::BadFrameCount: return fail("cannot split " + p[1] + " into " + p[2] + " frames");
    case ZorCompressResult::CannotWrite: return fail("cannot write " + output);
    case ZorCompressResult::Stopped: break;
  }
  return kFailure;
}

int zorInfo(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 2) return usage("zor info takes FILE");
  const auto bytes = files::readAll(p[1]);
  const auto file = bytes ? ParseZorFile(*bytes) : std::nullopt;
  if (!file) return fail("cannot read " + p[1]);
  std::cout << "width " << file->width << "\nheight " << file->height << "\nframes " << file->frameCount()
            << "\nstream words " << file->stream.size() << '\n';
  return kOk;
}

int zorDecode(const Arguments& args) {
  const auto& p = args.positional();
  if (p.size() != 2) return usage("zor decode takes FILE");
  const auto output = args.option("--output");
  if (!output) return usage("zor decode needs -o OUT");
  ZorAnimation animation;
  if (!animation.load(p[1])) return fail("cannot read " + p[1]);
  std::vector<std::pair<int, std::string>> frames;
  if (args.flag("--all")) {
    if (args.option("--frame")) return usage("--all and --frame exclude each other");
    if (!files::createFolders(*output)) return fail("cannot create " + *output);
    for (int i = 0; i < animation.frameCount(); ++i) frames.emplace_back(i, paths::join(*output, std::to_string(i) + ".png"));
  } else {
    int index = 0;
    if (const auto text = args.option("--frame")) {
      const auto n = parseNumber(*text);
      if (!n || *n < 0 || *n >= animation.frameCount()) return usage("--frame takes a frame number of the file");
      index = static_cast<int>(*n);
    }
    frames.emplace_back(index, *output);
  }
  for (const auto& [index, target] : frames) {
    const auto frame = animation.decodeFrame(index);
    if (!frame) return fail("cannot read frame " + std::to_string(index) + " of " + p[1]);
    if (SaveImagePng(*frame, target) != 0) return fail("cannot write " + target);
  }
  return kOk;
}

int runZor(const std::vector<std::string>& words) {
  const Arguments args(withLongOptions(words), {"--quality", "--output", "--frame"});
  if (!args.valid()) return usage(args.error());
  const auto& p = args.positional();
  if (p.empty()) return usage("zor needs a command");
  if (p[0] == "encode") return zorEncode(args);
  if (p[0] == "info") return zorInfo(args);
  if (p[0] == "decode") return zorDecode(args);
  return usage("unknown zor command '" + p[0] + "'");
}

int runReimport(const std::vector<std::string>& words) {
  if (words.empty() || words.front() != "reimport") return kNotThisGroup;
  const Arguments args(words, {"--skins"});
  if (!args.valid()) return usage(args.error());
  const auto& p = args.positional();
  if (p.size() != 2) return usage("skin reimport takes NAME");
  if (!IsSafeSkinName(p[1])) return usage("NAME must be a skin folder name");

  // Another skins folder goes through a private settings store for this run only.
  QTemporaryDir privateRegistry;
  if (const auto skins = args.option("--skins")) {
    if (!privateRegistry.isValid()) return fail("cannot create a temporary folder");
    ::setenv("TESSERA_REGISTRY", privateRegistry.path().toLocal8Bit().constData(), 1);
    WriteSetting(settings::InstalledPath, paths::toNative(*skins));
    ResetSkinsFolderCache();
  }
  const std::string skinFolder = paths::join(GetSkinsFolder(), p[1]);
  std::string main;
  for (const std::string& name : files::listFilesWithExtension(skinFolder, "UIS")) {
    if (paths::equalsIgnoreCase(paths::stem(name), p[1])) main = paths::join(skinFolder, name);
  }
  if (main.empty()) return fail("there is no skin \"" + p[1] + "\" in " + GetSkinsFolder());

  EnableSkinWrites();
  // An editor may have this skin open: its working copies, and their unsaved edits, stay.
  OpenSkinFiles(main, "", WorkingCopies::KeepExisting);
  for (const std::string& rewritten : RunReimportPass().rewritten) std::cout << rewritten << '\n';
  return kOk;
}

}  // namespace

const CommandRegistration imageRegistration({"image", kImageHelp, &runImage, 50});
const CommandRegistration stripRegistration({"strip", kStripHelp, &runStrip, 51});
const CommandRegistration zorRegistration({"zor", kZorHelp, &runZor, 52});
// Ahead of the other "skin" commands, which do not pass on what they do not know.
const CommandRegistration reimportRegistration({"skin", kReimportHelp, &runReimport, 29});

}  // namespace tessera::cli
