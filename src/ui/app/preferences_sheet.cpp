#include "ui/app/preferences_sheet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/platform/prompt.h"
#include "core/platform/settings.h"
#include "ui/app/message_prompt.h"
#include "ui/common/appearance.h"
#include "ui/common/file_picker.h"

namespace tessera::ui {

namespace {

QLabel* note(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  label->setIndent(24);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, pal.color(QPalette::PlaceholderText));
  label->setPalette(pal);
  return label;
}

// A check box that writes its setting when clicked.
QCheckBox* immediateCheck(const QString& text, const SettingKey& key, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  box->setChecked(ReadSettingInt(key) == 1);
  QObject::connect(box, &QCheckBox::clicked, parent, [key](bool on) { WriteSetting(key, on ? "1" : "0"); });
  return box;
}

}  // namespace

PreferencesSheet::PreferencesSheet(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Tessera Preferences"));
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->addTab(buildExperiencePage(), QStringLiteral("Experience level"));
  pages_->addTab(buildEditModePage(), QStringLiteral("Edit mode"));
  pages_->addTab(buildAdvancedPage(), QStringLiteral("Advanced"));
  layout->addWidget(pages_);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::AcceptRole);
  close->setObjectName(QStringLiteral("close"));
  close->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    applyPages();
    accept();
  });
  layout->addWidget(buttons);
}

QWidget* PreferencesSheet::buildExperiencePage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* intro = new QLabel(QStringLiteral("Tessera can hide advanced options to simplify the user interface"), page);
  intro->setWordWrap(true);
  layout->addWidget(intro);
  newUser_ = new QRadioButton(QStringLiteral("I am new to making Velarium skins"), page);
  newUser_->setObjectName(QStringLiteral("newUser"));
  experienced_ = new QRadioButton(QStringLiteral("I am experienced in making Velarium skins"), page);
  experienced_->setObjectName(QStringLiteral("experienced"));
  layout->addWidget(newUser_);
  layout->addWidget(note(QStringLiteral("Advanced options like animation will be hidden from you."), page));
  layout->addWidget(experienced_);
  layout->addWidget(note(QStringLiteral("All options will be shown to you."), page));
  layout->addStretch(1);
  (ReadSettingInt(settings::UIMode) == 1 ? experienced_ : newUser_)->setChecked(true);
  return page;
}

QWidget* PreferencesSheet::buildEditModePage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("Select the edit window mode :"), page));
  auto* sectionBased = new QRadioButton(QStringLiteral("Section based"), page);
  sectionBased->setObjectName(QStringLiteral("sectionBased"));
  auto* treeMode = new QRadioButton(QStringLiteral("Tree mode with search"), page);
  treeMode->setObjectName(QStringLiteral("treeMode"));
  layout->addWidget(sectionBased);
  layout->addWidget(treeMode);
  layout->addStretch(1);
  (ReadSettingInt(settings::UseTree) == 1 ? treeMode : sectionBased)->setChecked(true);
  connect(sectionBased, &QRadioButton::clicked, this, [] { WriteSetting(settings::UseTree, "0"); });
  connect(treeMode, &QRadioButton::clicked, this, [] { WriteSetting(settings::UseTree, "1"); });
  return page;
}

QWidget* PreferencesSheet::buildAdvancedPage() {
  auto* page = new QWidget(this);
  auto* layout = new QGridLayout(page);
  int row = 0;
  singleClick_ = new QCheckBox(QStringLiteral("Single click UI mode"), page);
  singleClick_->setObjectName(QStringLiteral("singleClick"));
  singleClick_->setChecked(ReadSettingInt(settings::SingleClickUI) == 1);
  layout->addWidget(singleClick_, row++, 0, 1, 3);
  auto* autoSave = immediateCheck(QStringLiteral("Do not prompt to save files"), settings::AutoSave, page);
  autoSave->setObjectName(QStringLiteral("autoSave"));
  layout->addWidget(autoSave, row++, 0, 1, 3);
  auto* showImport = immediateCheck(QStringLiteral("Show import tab"), settings::ShowImport, page);
  showImport->setObjectName(QStringLiteral("showImport"));
  layout->addWidget(showImport, row++, 0, 1, 3);
  auto* noConvert = immediateCheck(QStringLiteral("Do not convert TGA to PNG"), settings::NoConvert, page);
  noConvert->setObjectName(QStringLiteral("noConvert"));
  layout->addWidget(noConvert, row++, 0, 1, 3);

  layout->addWidget(new QLabel(QStringLiteral("Editing images :"), page), row, 0);
  editVerb_ = new QComboBox(page);
  editVerb_->setObjectName(QStringLiteral("editVerb"));
  editVerb_->addItems({QStringLiteral("Open"), QStringLiteral("Edit"), QStringLiteral("Custom")});
  editVerb_->setCurrentIndex(editVerb_->findText(FromSkinText(ReadSetting(settings::EditVerb)), Qt::MatchExactly));
  if (editVerb_->currentText() == QLatin1String("Custom")) customApp_ = FromSkinText(ReadSetting(settings::EditApp));
  connect(editVerb_, &QComboBox::activated, this, [this](int) {
    customApp_ = editVerb_->currentText() == QLatin1String("Custom") ? FromSkinText(ReadSetting(settings::EditApp)) : QString();
  });
  layout->addWidget(editVerb_, row, 1);
  auto* pick = new QPushButton(QStringLiteral("Pick custom app..."), page);
  pick->setObjectName(QStringLiteral("pickCustomApp"));
  connect(pick, &QPushButton::clicked, this, &PreferencesSheet::pickCustomApp);
  layout->addWidget(pick, row++, 2);

  layout->addWidget(new QLabel(QStringLiteral("Operating system to target :"), page), row, 0);
  targetOS_ = new QComboBox(page);
  targetOS_->setObjectName(QStringLiteral("targetOS"));
  targetOS_->addItems({QStringLiteral("All OSes"), QStringLiteral("Windows XP"), QStringLiteral("Windows Vista"),
                       QStringLiteral("Windows 7")});
  targetOS_->setCurrentIndex(qBound(0, ReadSettingInt(settings::TargetOS), 3));
  layout->addWidget(targetOS_, row++, 1, 1, 2);

  auto* coloursLabel = new QLabel(QStringLiteral("&Colours of Tessera :"), page);
  layout->addWidget(coloursLabel, row, 0);
  auto* appearance = new QComboBox(page);
  appearance->setObjectName(QStringLiteral("appearance"));
  appearance->addItems({QStringLiteral("Follow the desktop"), QStringLiteral("Light"), QStringLiteral("Dark")});
  appearance->setCurrentIndex(static_cast<int>(StoredAppearance()));
  coloursLabel->setBuddy(appearance);
  connect(appearance, &QComboBox::activated, this, [](int index) {
    WriteSetting(settings::Appearance, index);
    ApplyAppearance(static_cast<Appearance>(index));
  });
  layout->addWidget(appearance, row++, 1, 1, 2);

  // Kept on the page but not shown.
  auto* useTree = immediateCheck(QStringLiteral("Show tree in edit windows"), settings::UseTree, page);
  auto* uiSkin = immediateCheck(QStringLiteral("Pickup sidebar colour from applied skin"), settings::UISkin, page);
  auto* hue = new QSlider(Qt::Horizontal, page);
  hue->setRange(0, 360);
  hue->setValue(ReadSettingInt(settings::UIHue));
  connect(hue, &QSlider::sliderReleased, this, [hue] { WriteSetting(settings::UIHue, hue->value()); });
  for (QWidget* hidden : {static_cast<QWidget*>(useTree), static_cast<QWidget*>(uiSkin), static_cast<QWidget*>(hue)}) {
    layout->addWidget(hidden, row++, 0, 1, 3);
    hidden->hide();
  }
  ReadSettingInt(settings::UISat);  // read by the sheet; no control writes it
  layout->setRowStretch(row, 1);
  return page;
}

void PreferencesSheet::pickCustomApp() {
#ifdef Q_OS_WIN
  const QString filter = QStringLiteral("Applications (*.exe);;All files (*)");
#else
  // Programs here have no extension of their own: the picker lists what may be run.
  const QString filter = QStringLiteral("Programs (*)");
#endif
  const QString program =
      PickFile(this, {.title = QStringLiteral("Select Application..."), .filter = filter, .programsOnly = true});
  if (program.isEmpty()) return;
  const QFileInfo info(program);
  if (!info.isFile() || !info.isExecutable()) {
    CurrentPrompt().inform(QStringLiteral("\"%1\" is not a program that can be run. Choose a program file.")
                               .arg(QDir::toNativeSeparators(program))
                               .toStdString(),
                           "Tessera Preferences");
    return;
  }
  chooseCustomApp(program);
}

void PreferencesSheet::chooseCustomApp(const QString& program) {
  editVerb_->setCurrentIndex(editVerb_->findText(QStringLiteral("Custom")));
  customApp_ = program;
  WriteSetting(settings::EditApp, program.toStdString());
}

void PreferencesSheet::applyPages() {
  WriteSetting(settings::UIMode, experienced_->isChecked() ? "1" : "0");
  WriteSetting(settings::UIMode2, "0");
  if (editVerb_->currentIndex() >= 0) WriteSetting(settings::EditVerb, editVerb_->currentText().toStdString());
  WriteSetting(settings::SingleClickUI, singleClick_->isChecked() ? "1" : "0");
  WriteSetting(settings::TargetOS, targetOS_->currentIndex());
}

}  // namespace tessera::ui
