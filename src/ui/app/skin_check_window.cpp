#include "ui/app/skin_check_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform/skin_text.h"
#include "ui/app/editor_launcher.h"
#include "ui/common/progress_window.h"

namespace tessera::ui {

namespace {

constexpr int kLevelRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;  // position in findings_
constexpr int kAllLevels = -1;

QString plural(int n, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(n).arg(QString::fromLatin1(n == 1 ? one : many));
}

QString itemText(const CheckFinding& f) {
  QString where = FromSkinText(f.file);
  if (!f.section.empty()) where += QStringLiteral(" [") + FromSkinText(f.section) + QLatin1Char(']');
  if (!f.key.empty()) where += QLatin1Char(' ') + FromSkinText(f.key);
  return QString::fromLatin1(CheckLevelName(f.level)) + QStringLiteral(": ") + FromSkinText(f.message) +
         QStringLiteral("  (") + where + QLatin1Char(')');
}

}  // namespace

SkinCheckWindow::SkinCheckWindow(std::string skinsFolder, std::string skinName, QWidget* parent, SectionOpener opener)
    : QDialog(parent), skinsFolder_(std::move(skinsFolder)), skinName_(std::move(skinName)), opener_(std::move(opener)) {
  filter_ = new QComboBox(this);
  filter_->addItem(QStringLiteral("All findings"), kAllLevels);
  filter_->addItem(QStringLiteral("Errors"), static_cast<int>(CheckLevel::Error));
  filter_->addItem(QStringLiteral("Warnings"), static_cast<int>(CheckLevel::Warning));
  filter_->addItem(QStringLiteral("Notes"), static_cast<int>(CheckLevel::Note));
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("findings"));
  // Findings are sentences with paths in them: they wrap to the window's width rather than run
  // off to the side, and rows alternate so that each finding reads as one.
  list_->setWordWrap(true);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setResizeMode(QListView::Adjust);
  list_->setAlternatingRowColors(true);
  auto* again = new QPushButton(QStringLiteral("Check again"), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("Show:"), this));
  top->addWidget(filter_);
  top->addStretch();
  top->addWidget(again);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(list_);
  layout->addWidget(new QLabel(QStringLiteral("Double-click a finding to open its section."), this));
  layout->addWidget(buttons);
  resize(sizeHint().expandedTo(QSize(640, 400)));

  connect(filter_, &QComboBox::currentIndexChanged, this, [this] { fillList(); });
  connect(list_, &QListWidget::itemActivated, this, &SkinCheckWindow::openItem);
  connect(again, &QPushButton::clicked, this, &SkinCheckWindow::refresh);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  refresh();
}

void SkinCheckWindow::refresh() {
  {
    // The first check runs before this window is on screen: its progress goes over the window
    // that asked for the check.
    QWidget* owner = isVisible() || !parentWidget() ? this : parentWidget();
    ProgressWindow progress(owner, QStringLiteral("Check skin"), QStringLiteral("Checking the skin..."));
    findings_ = CheckSkin(skinsFolder_, skinName_, progress.callback());
    // A stop leaves the findings made so far; a Cancel that came with the last step stopped nothing.
    stopped_ = progress.cancelled() && progress.done() < progress.total();
  }
  int counts[3] = {0, 0, 0};
  for (const CheckFinding& f : findings_) ++counts[static_cast<int>(f.level)];
  setWindowTitle(QStringLiteral("Check skin %1 - %2%3, %4, %5")
                     .arg(FromSkinText(skinName_), stopped_ ? QStringLiteral("stopped, ") : QString(),
                          plural(counts[0], "error", "errors"),
                          plural(counts[1], "warning", "warnings"), plural(counts[2], "note", "notes")));
  fillList();
}

void SkinCheckWindow::fillList() {
  const int level = filter_->currentData().toInt();
  list_->clear();
  for (std::size_t i = 0; i < findings_.size(); ++i) {
    const CheckFinding& f = findings_[i];
    if (level != kAllLevels && static_cast<int>(f.level) != level) continue;
    auto* item = new QListWidgetItem(itemText(f), list_);
    item->setData(kLevelRole, static_cast<int>(f.level));
    item->setData(kIndexRole, static_cast<int>(i));
  }
  if (list_->count() == 0) {
    auto* item = new QListWidgetItem(QStringLiteral("Nothing to show."), list_);
    item->setFlags(Qt::NoItemFlags);
  }
}

void SkinCheckWindow::openItem(QListWidgetItem* item) {
  if (!item || !item->data(kIndexRole).isValid()) return;
  const auto index = static_cast<std::size_t>(item->data(kIndexRole).toInt());
  if (index >= findings_.size()) return;
  const std::string section = SectionToOpen(findings_[index]);
  if (section.empty()) return;
  if (opener_) opener_(this, section);
}

}  // namespace tessera::ui
