#include "ui/skin/skin_info_panel.h"

#include <QVBoxLayout>

#include "core/app/preview_engine.h"
#include "core/platform/launcher_failure.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_list.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"
#include "ui/skin/authors_link.h"
#include "ui/skin/busy_bar.h"
#include "ui/skin/skin_preview.h"

namespace tessera::ui {

SkinInfoPanel::SkinInfoPanel(std::string skinsFolder, QWidget* parent)
    : QWidget(parent),
      skinsFolder_(std::move(skinsFolder)),
      preview_(new SkinPreview(this)),
      busyBar_(new BusyBar(this)),
      name_(new QLabel(this)),
      author_(new QLabel(this)),
      notes_(new QLabel(this)),
      link_(new QPushButton(this)) {
  loadTimer_.setSingleShot(true);
  loadTimer_.setInterval(0);
  connect(&loadTimer_, &QTimer::timeout, this, &SkinInfoPanel::loadPreview);

  QFont nameFont = name_->font();
  nameFont.setBold(true);
  nameFont.setPointSizeF(nameFont.pointSizeF() * 1.25);
  name_->setFont(nameFont);
  name_->setObjectName(QStringLiteral("skinName"));
  author_->setObjectName(QStringLiteral("skinAuthor"));
  QPalette authorPalette = author_->palette();
  authorPalette.setColor(QPalette::WindowText, palette().color(QPalette::PlaceholderText));
  author_->setPalette(authorPalette);
  notes_->setObjectName(QStringLiteral("skinNotes"));
  notes_->setWordWrap(true);
  notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  for (QLabel* label : {name_, author_, notes_}) label->setTextInteractionFlags(Qt::TextSelectableByMouse);

  link_->setObjectName(QStringLiteral("authorsUrl"));
  link_->setFlat(true);
  link_->setCursor(Qt::PointingHandCursor);
  link_->setStyleSheet(
      QStringLiteral("QPushButton { color: palette(link); text-decoration: underline; "
                     "text-align: left; border: none; padding: 0px; }"));
  link_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  connect(link_, &QPushButton::clicked, this, &SkinInfoPanel::openLink);

  busyBar_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(preview_, 1);
  layout->addWidget(busyBar_);
  layout->addWidget(name_);
  layout->addWidget(author_);
  layout->addWidget(notes_);
  layout->addWidget(link_, 0, Qt::AlignLeft);
}

SkinInfoPanel::~SkinInfoPanel() {
  if (!replacedEditedSkin_) return;
  const PreviewLibrary& preview = Preview();
  preview.DestroyBitmaps_and_Masks();
  if (Session().isOpen()) preview.LoadUISFile(Session().mainFile, 0);
}

void SkinInfoPanel::showSkin(const std::string& name) {
  skinName_ = name;
  Preview().DestroyBitmaps_and_Masks();
  busyBar_->show();
  const SkinIdentity identity = ReadSkinIdentity(skinsFolder_, name);
  name_->setText(FromSkinText(identity.name));
  author_->setText(FromSkinText(identity.author));
  notes_->setText(FromSkinText(identity.notes));
  skinTitle_ = identity.name;
  url_ = identity.url;
  link_->setText(FromSkinText(identity.url));
  link_->setVisible(!identity.url.empty());
  busyBar_->resetCounter();
  loadTimer_.start();
}

void SkinInfoPanel::clear() {
  loadTimer_.stop();
  skinName_.clear();
  busyBar_->hide();
  preview_->clear();
  for (QLabel* label : {name_, author_, notes_}) label->clear();
  skinTitle_.clear();
  url_.clear();
  link_->setText(QString());
  link_->hide();
}

void SkinInfoPanel::finishLoading() {
  if (!loadTimer_.isActive()) return;
  loadTimer_.stop();
  loadPreview();
}

void SkinInfoPanel::loadPreview() {
  if (skinName_.empty()) return;
  const std::string file = SkinMainFile(skinsFolder_, skinName_);
  replacedEditedSkin_ = true;
  Preview().LoadUISFile(file, 1);
  preview_->render(ReadDesktopColour(file), skinTitle_);
  busyBar_->hide();
}

void SkinInfoPanel::openLink() {
  // Only a web address is opened: the value comes from a downloaded skin.
  const std::string address = WebAddressForLink(url_);
  if (!address.empty()) OpenOrExplain(address);
}

}  // namespace tessera::ui
