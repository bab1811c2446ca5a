// The "Check skin" window offscreen: the list, the level filter, the count in the title, the
// double click that opens a section, and the refresh after a save.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QTest>

#include "core/platform/profile.h"
#include "support/progress_watch.h"
#include "support/temp_dir.h"
#include "ui/app/skin_check_window.h"

namespace tessera::testing {
namespace {

class SkinCheckWindowTest : public EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    temp.write("skins/Tessera7/subsections.ini", "[Buttons]\r\nImageCount=1\r\n[Menu.Item]\r\n[Caption]\r\n");
    main = writeSkin("Sk", "[Buttons]\r\nImage=sk\\gone.tga\r\nNextLayerName=L\r\n[Buttons:L]\r\nNextLayerName=M\r\n"
                           "[Menu.Item]\r\nSimpleMode=7\r\n[Odd]\r\n");
    temp.write("skins/Sk/spare.tga", "x");
  }
  QListWidgetItem* itemHolding(QListWidget* list, const QString& words) const {
    for (int i = 0; i < list->count(); ++i) {
      if (list->item(i)->text().contains(words)) return list->item(i);
    }
    return nullptr;
  }
  void doubleClick(QListWidget* list, QListWidgetItem* item) const {
    const QPoint at = list->visualItemRect(item).center();
    // A double click is a press and release followed by the double-click event, as from a mouse.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  }
  std::string main;
};

TEST_F(SkinCheckWindowTest, ListFilterTitleAndDoubleClick) {
  std::vector<std::string> opened;
  ui::SkinCheckWindow window(skinsFolder(), "Sk", nullptr,
                             [&](QWidget*, const std::string& section) { opened.push_back(section); });
  window.show();
  auto* list = window.findChild<QListWidget*>(QStringLiteral("findings"));
  auto* filter = window.findChild<QComboBox*>();
  ASSERT_TRUE(list && filter);
  // Errors: the missing picture and the missing layer; warning: SimpleMode; notes: Odd, spare.tga.
  EXPECT_EQ(list->count(), 5);
  EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("2 errors, 1 warning, 2 notes"))) << window.windowTitle().toStdString();

  filter->setCurrentIndex(filter->findText(QStringLiteral("Errors")));
  EXPECT_EQ(list->count(), 2);
  filter->setCurrentIndex(filter->findText(QStringLiteral("Warnings")));
  ASSERT_EQ(list->count(), 1);
  EXPECT_TRUE(list->item(0)->text().contains(QStringLiteral("SimpleMode")));

  filter->setCurrentIndex(filter->findText(QStringLiteral("All findings")));
  doubleClick(list, itemHolding(list, QStringLiteral("Buttons:L:M")));
  doubleClick(list, itemHolding(list, QStringLiteral("gone.tga")));
  doubleClick(list, itemHolding(list, QStringLiteral("spare.tga")));  // a picture: no section to open
  EXPECT_EQ(opened, (std::vector<std::string>{"Buttons", "Buttons"})) << "a layer opens the section it belongs to";
}

TEST_F(SkinCheckWindowTest, LongFindingsWrapInsteadOfScrollingSideways) {
  std::string longName = "gone";
  for (int i = 0; i < 40; ++i) longName += " part" + std::to_string(i);
  profile::WriteString("Buttons", "Image", "sk\\" + longName + ".tga", main);
  ui::SkinCheckWindow window(skinsFolder(), "Sk", nullptr, [](QWidget*, const std::string&) {});
  window.resize(500, 400);
  window.show();
  QCoreApplication::processEvents();
  auto* list = window.findChild<QListWidget*>(QStringLiteral("findings"));
  ASSERT_TRUE(list);
  QListWidgetItem* item = itemHolding(list, QString::fromStdString(longName.substr(0, 20)));
  ASSERT_TRUE(item);
  const QRect row = list->visualItemRect(item);
  EXPECT_LE(row.right(), list->viewport()->width()) << "the row fits the list's width";
  EXPECT_GT(row.height(), 2 * list->fontMetrics().height()) << "the long finding takes several lines";
}

TEST_F(SkinCheckWindowTest, RefreshShowsTheFilesAsSaved) {
  ui::SkinCheckWindow window(skinsFolder(), "Sk", nullptr, [](QWidget*, const std::string&) {});
  auto* list = window.findChild<QListWidget*>(QStringLiteral("findings"));
  ASSERT_EQ(list->count(), 5);
  profile::WriteString("Menu.Item", "SimpleMode", "1", main);
  profile::WriteString("Buttons", std::nullopt, std::nullopt, main);
  profile::WriteString("Odd", std::nullopt, std::nullopt, main);
  window.refresh();
  EXPECT_EQ(list->count(), 1) << "only the spare picture is left";
  EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("0 errors, 0 warnings, 1 note")));
}

TEST_F(SkinCheckWindowTest, TheCheckShowsItsProgressAndCancelStopsItWithTheFindingsSoFar) {
  temp.write("skins/Sk/Sk.SSD", "[SkinStyles]\r\nNumber=2\r\n[SkinStyle0]\r\nSkin=Sk.uis\r\n[SkinStyle1]\r\nSkin=Two.sss\r\n");
  temp.write("skins/Sk/Two.sss", "[Buttons]\r\nImage=sk\\lost.tga\r\n");
  QWidget owner;
  {
    ui::testing::ProgressWatch watch;
    ui::SkinCheckWindow window(skinsFolder(), "Sk", &owner, [](QWidget*, const std::string&) {});
    ASSERT_TRUE(watch.reachedEnd());
    EXPECT_EQ(watch.reports.back().total, 3);  // main file, sub-style file, unreferenced pictures
    // Before the window is on screen, the progress stands over the window that asked.
    EXPECT_EQ(watch.reports.front().over, &owner);
    EXPECT_FALSE(window.stopped());
  }

  ui::SkinCheckWindow window(skinsFolder(), "Sk", &owner, [](QWidget*, const std::string&) {});
  window.show();
  ui::testing::ProgressWatch watch(2);  // Cancel once the main file is checked
  window.refresh();
  ASSERT_EQ(watch.reports.size(), 2u);
  EXPECT_EQ(watch.reports.front().over, &window);
  EXPECT_TRUE(window.stopped());
  EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("stopped, 2 errors"))) << window.windowTitle().toStdString();
  const auto mentions = [&](const char* text) {
    return std::any_of(window.findings().begin(), window.findings().end(),
                       [&](const CheckFinding& f) { return f.message.find(text) != std::string::npos; });
  };
  EXPECT_TRUE(mentions("gone.tga"));
  EXPECT_FALSE(mentions("lost.tga")) << "the sub-style file was not reached";
}

}  // namespace
}  // namespace tessera::testing
