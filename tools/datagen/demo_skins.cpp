#include "demo_skins.h"

#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "core/image/zor_animation.h"
#include "core/image/zor_compressor.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/skin_copy.h"
#include "painter_kit.h"
#include "palette.h"
#include "picture_writer.h"
#include "skin_pictures.h"

namespace tessera::datagen {

namespace {

struct DemoSkin {
  const char* name;
  const char* fromTemplate;
  const char* palette;
  const char* notes;
};

const DemoSkin kDemoSkins[] = {
    {"Aurora", "TemplateUIS2_Vista", "Aurora",
     "A teal skin with a shaped frame, glowing title-bar buttons, a restore button for maximized windows and a second sub-style for the night."},
    {"Copperline", "TemplateUIS1_Vista", "Copperline",
     "A warm classic frame with thin borders, a glowing close button and a restore button for maximized windows."},
};

std::string colourValue(const QColor& c) {
  return std::to_string(c.red()) + " " + std::to_string(c.green()) + " " + std::to_string(c.blue());
}

void write(const std::string& file, const char* section, const char* key, const std::string& value) {
  profile::WriteString(section, key, value, file);
}

// The skin's system colours and presets, from its palette.
void writeColours(const std::string& file, const Palette& pal) {
  const std::pair<const char*, QColor> colours[] = {
      {"Scrollbar", pal.face.darker(106)},  {"Background", pal.titleActive.darker(160)},
      {"ActiveTitle", pal.titleActive},      {"InactiveTitle", pal.titleInactive},
      {"Menu", pal.faceLight},               {"Window", pal.field},
      {"WindowFrame", pal.edge},             {"MenuText", pal.text},
      {"WindowText", pal.text},              {"TitleText", Qt::white},
      {"ActiveBorder", pal.face},            {"InactiveBorder", pal.face.lighter(104)},
      {"AppWorkspace", pal.edge.lighter(130)}, {"Hilight", pal.accent},
      {"HilightText", Qt::white},            {"ButtonFace", pal.face},
      {"ButtonShadow", pal.edge},            {"GrayText", pal.edge.lighter(120)},
      {"ButtonText", pal.text},              {"InactiveTitleText", pal.face},
      {"ButtonHilight", Qt::white},          {"ButtonDkShadow", pal.edge.darker(150)},
      {"ButtonLight", pal.faceLight},        {"InfoText", pal.text},
      {"InfoWindow", QColor(255, 252, 226)}, {"HotTrackingColor", pal.accent.darker(120)},
      {"GradientActiveTitle", pal.titleActive2}, {"GradientInactiveTitle", pal.titleInactive2},
      {"MenuHilight", pal.accent},           {"MenuBar", pal.faceLight},
  };
  for (const auto& [key, colour] : colours) write(file, "Colours", key, colourValue(colour));
  write(file, "Colour1", "Colour", colourValue(pal.accent.darker(140)));
  write(file, "Colour3", "Colour", colourValue(pal.titleActive));
}

void writeWallpaper(const std::string& folder, const std::string& skin, const Palette& pal, const std::string& file,
                    std::vector<std::string>& problems) {
  QImage wallpaper(640, 400, QImage::Format_RGB32);
  QPainter p(&wallpaper);
  p.setRenderHint(QPainter::Antialiasing);
  DrawBand(p, QRectF(0, 0, 640, 400), pal.titleActive.darker(170), pal.titleActive2);
  for (int i = 0; i < 7; ++i) {
    QRadialGradient g(QPointF(90 + i * 80, 330 - (i % 3) * 90), 160);
    g.setColorAt(0, WithAlpha(pal.accentLight, 90));
    g.setColorAt(1, WithAlpha(pal.accentLight, 0));
    p.fillRect(QRectF(0, 0, 640, 400), g);
  }
  p.end();
  const std::string name = paths::lower(skin) + ".jpg";
  // Wallpapers are JPG files, which only the platform codec writes.
  if (!wallpaper.save(QString::fromStdString(paths::join(folder, name)), "JPG", 88)) {
    problems.push_back(skin + "/" + name + ": cannot be written");
    return;
  }
  write(file, "Personality", "Wallpaper", paths::lower(skin) + "\\" + name);
  write(file, "Personality", "WallpaperStyle", "2");
}

// A copy animation: a sheet of paper flying from one folder to another, as a ZOR file.
void writeCopyAnimation(const std::string& folder, const std::string& skin, const Palette& pal, const std::string& file,
                        std::vector<std::string>& problems) {
  constexpr int kFrames = 12, kWidth = 96, kHeight = 48;
  QImage strip = NewCanvas(kWidth, kHeight * kFrames);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < kFrames; ++i) {
    const double top = i * kHeight;
    p.fillRect(QRectF(0, top, kWidth, kHeight), Qt::white);
    for (double x : {6.0, kWidth - 30.0}) {
      p.setPen(QPen(QColor(170, 120, 30), 1));
      p.setBrush(QColor(240, 200, 90));
      p.drawRoundedRect(QRectF(x, top + 22, 24, 18), 2, 2);
    }
    const double t = static_cast<double>(i) / (kFrames - 1);
    const QPointF at(18 + t * (kWidth - 48), top + 24 - std::sin(t * 3.14159) * 18);
    p.setPen(QPen(pal.edge, 1));
    p.setBrush(pal.field);
    p.drawRect(QRectF(at, QSizeF(12, 14)));
    p.setPen(QPen(pal.accent, 1));
    for (int line = 0; line < 3; ++line) p.drawLine(at + QPointF(2, 4 + line * 3), at + QPointF(10, 4 + line * 3));
  }
  p.end();
  const std::string source = paths::join(folder, "copy-frames.tga");
  const std::string zor = paths::join(folder, "copy.zor");
  ZorAnimation animation;  // the builder's own quality
  const bool ok = WriteTga(strip, source) &&
                  CompressToZor(source, kFrames, animation, {}, zor) == ZorCompressResult::Written;
  files::deleteFile(source);
  if (!ok) {
    problems.push_back(skin + "/copy.zor: cannot be written");
    return;
  }
  const std::string lower = paths::lower(skin);
  const std::string animations = paths::join(folder, lower + ".anim");
  write(animations, "Animations.Avis", "Copy", lower + "\\copy.zor");
  write(animations, "Animations.Info", "SkinName", skin);
  write(file, "Animations", "File", lower + "\\" + lower + ".anim");
}

// The title-bar buttons the demo shows off beyond the template's: a mouse-over glow on the close
// button and a restore button that takes the maximise button's place while the window is
// maximised (the maximise button hides then). The template's pictures sit in the folder of
// Button0's picture; the extension follows theirs.
void writeTitleBarExtras(const std::string& file, bool personalityLayout) {
  const std::string close = profile::ReadString("Button0", "ButtonImage", "", file);
  const std::size_t slash = close.rfind('\\');
  if (close.empty() || slash == std::string::npos) return;
  const std::string folder = close.substr(0, slash + 1);
  const std::string extension(paths::extension(close));
  const char* layoutSection = personalityLayout ? "Personality" : "Caption";
  const int count = static_cast<int>(profile::GetInt(layoutSection, "ButtonCount", 0, file));
  if (profile::ReadString("Button0", "OverlayImage", "", file).empty()) {
    write(file, "Button0", "OverlayImage", folder + "glow.tga");
    write(file, "Button0", "OverlayImageXOffset", "-4");
    write(file, "Button0", "OverlayImageYOffset", "-4");
    write(file, "Button0", "OverlayFadeInTime", "150");
  }
  // Visibility numbers of the catalogue: 3 maximized, 4 not maximized.
  const std::string max = "Button1";
  const std::string restore = "Button" + std::to_string(count);
  const std::string maxVisibility = profile::ReadString(max.c_str(), "Visibility", "0", file);
  write(file, max.c_str(), maxVisibility == "0" ? "Visibility" : "Visibility1", "4");
  write(file, restore.c_str(), "ButtonImage", folder + "restore." + extension);
  for (const char* key : {"UseTrans", "PerPixel", "FrameCount", "Align", "XCoord", "YCoord"}) {
    write(file, restore.c_str(), key, profile::ReadString(max.c_str(), key, "", file));
  }
  write(file, restore.c_str(), "Action", "1");
  write(file, restore.c_str(), "Visibility", "3");
  write(file, layoutSection, "ButtonCount", std::to_string(count + 1));
}

}  // namespace

std::vector<std::string> MakeDemoSkins(const std::string& skinsFolder, std::vector<std::string>& problems) {
  std::vector<std::string> made;
  const std::string dataFolder = paths::join(skinsFolder, kDataFolderName);
  for (const DemoSkin& demo : kDemoSkins) {
    const std::string folder = paths::join(skinsFolder, demo.name);
    files::removeFolderRecursive(folder);
    const CopySkinResult copy = CopySkin(skinsFolder, demo.name, demo.fromTemplate, true, nullptr);
    if (!copy.copied) {
      problems.push_back(std::string(demo.name) + ": " + copy.message);
      continue;
    }
    const Palette palette = PaletteNamed(demo.palette);
    const std::string main = paths::join(folder, std::string(demo.name) + ".uis");
    write(main, "TitlebarSkin", "SkinAuthor", "The Tessera team");
    write(main, "TitlebarSkin", "SpecialNotes", demo.notes);
    write(main, "TitlebarSkin", "Category", "Nature");
    writeColours(main, palette);
    writeWallpaper(folder, demo.name, palette, main, problems);
    writeCopyAnimation(folder, demo.name, palette, main, problems);
    writeTitleBarExtras(main, !profile::ReadString("Personality", "ButtonCount", "", main).empty());
    const std::string ssd = paths::join(folder, std::string(demo.name) + ".SSD");
    if (files::exists(ssd)) write(ssd, "SkinStyle1", "Name", "Night");

    SkinPictureResult pictures = DrawSkinPictures(skinsFolder, demo.name, dataFolder, palette);
    problems.insert(problems.end(), pictures.problems.begin(), pictures.problems.end());
    made.push_back(demo.name);
  }
  return made;
}

}  // namespace tessera::datagen
