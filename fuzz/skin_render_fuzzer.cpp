// Random skin files drawn by the preview renderer: the bytes before a "\n--picture--\n" marker
// are the skin's main file, the bytes after it a picture file that the skin may name in several
// formats ("fz\pic.tga", "fz\pic.bmp", "fz\pic.png", "fz\pic.zor"). Loading the skin and drawing
// every kind of element must never crash or hang, whatever the keys say.
#include <QImage>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "standin/render/renderer.h"

namespace {

const std::string& skinsFolder() {
  static QTemporaryDir dir;
  static const std::string path = dir.path().toStdString();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t marker = bytes.find("\n--picture--\n");
  const std::string_view uis = bytes.substr(0, marker);
  const std::string_view picture = marker == std::string_view::npos ? std::string_view() : bytes.substr(marker + 13);

  const std::string folder = tessera::paths::join(skinsFolder(), "fz");
  tessera::files::createFolders(folder);
  const std::string uisPath = tessera::paths::join(folder, "fz.uis");
  tessera::files::writeAllAtomic(uisPath, uis);
  for (const char* name : {"pic.tga", "pic.bmp", "pic.png", "pic.zor"}) {
    tessera::files::writeAllAtomic(tessera::paths::join(folder, name), picture);
  }
  tessera::profile::ClearCache();

  static tessera::render::Renderer renderer;
  renderer.dropPictures();
  renderer.loadSkin(uisPath);
  QImage surface(160, 120, QImage::Format_ARGB32_Premultiplied);
  surface.fill(Qt::white);
  const int kind = static_cast<unsigned char>(bytes[0]) % 42;
  const int state = static_cast<unsigned char>(bytes[size / 2]) % 10 - 1;
  renderer.drawPreview(surface, surface.rect(), kind, state, nullptr);
  renderer.drawWindow(surface, QRect(4, 4, 150, 100), state & 1, "Fuzz", true);
  renderer.drawTaskBar(surface, surface.rect());
  for (const auto& section : tessera::profile::SectionNames(uisPath)) {
    if (renderer.loadSection(uisPath, section, 1)) renderer.renderSection(surface, QRect(0, 0, 64, 48), state, 96);
  }
  (void)renderer.colourValue(state);
  return 0;
}
