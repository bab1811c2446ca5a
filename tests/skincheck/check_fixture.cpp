#include "check_fixture.h"

#include <QImage>

#include "core/image/image_buffer.h"
#include "core/image/image_file.h"
#include "core/platform/paths.h"

namespace tessera::testing {

void SkinCheckTest::SetUp() {
  EnvironmentTest::SetUp();
  temp.write("skins/Tessera7/subsections.ini",
             "[Buttons]\r\nImageCount=5\r\n[Personality]\r\nImageCount=2\r\n[Caption]\r\n[Borders]\r\n"
             "[TitlebarSkin]\r\n[Scrollbar.VertThumb]\r\nImageCount=4\r\nVert=1\r\n[Progress.Busy]\r\nAnimPage=1\r\n"
             "[Menu.Item]\r\nImageCount=2\r\n[Taskbar.Button]\r\nImageCount=4\r\n[Options]\r\n");
}

void SkinCheckTest::tga(const std::string& relative, int width, int height) const {
  temp.write("skins/" + relative, EncodeTga(ImageBuffer(width, height, RowOrder::BottomUp)));
}

void SkinCheckTest::bmp(const std::string& relative, int width, int height) const {
  temp.write("skins/" + relative, EncodeBmp(ImageBuffer(width, height, RowOrder::BottomUp)));
}

void SkinCheckTest::png(const std::string& relative, int width, int height, const char* format) const {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::red);
  temp.write("skins/" + relative, "");
  image.save(QString::fromStdString(temp.file("skins/" + relative)), format);
}

int Count(const std::vector<CheckFinding>& findings, CheckLevel level, const std::string& section,
          const std::string& key, const std::string& words) {
  int n = 0;
  for (const CheckFinding& f : findings) {
    if (f.level == level && paths::equalsIgnoreCase(f.section, section) && paths::equalsIgnoreCase(f.key, key) &&
        f.message.find(words) != std::string::npos) {
      ++n;
    }
  }
  return n;
}

std::string Listing(const std::vector<CheckFinding>& findings) {
  std::string text;
  for (const CheckFinding& f : findings) text += FormatFinding(f) + "\n";
  return text;
}

}  // namespace tessera::testing
