#include "ui/app/skin_properties_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"

namespace tessera::ui {

namespace {

constexpr const char* kSection = "TitlebarSkin";

QString read(const char* key, const char* def) {
  return FromSkinText(ReadSkinString(kSection, key, def, Session().mainFile));
}

}  // namespace

const QStringList& SkinCategories() {
  static const QStringList categories = {
      QStringLiteral("Others"),  QStringLiteral("Holiday"),   QStringLiteral("OS"),       QStringLiteral("Computers"),
      QStringLiteral("Food"),    QStringLiteral("Games"),     QStringLiteral("Movies"),   QStringLiteral("Nature"),
      QStringLiteral("People"),  QStringLiteral("Places"),    QStringLiteral("Ports"),    QStringLiteral("PseudoOS"),
      QStringLiteral("Religion"), QStringLiteral("Schools"),  QStringLiteral("Speciality"), QStringLiteral("Sports"),
      QStringLiteral("Things"),  QStringLiteral("TV"),        QStringLiteral("Websites")};
  return categories;
}

SkinPropertiesDialog::SkinPropertiesDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Set Skin Properties"));
  auto* form = new QFormLayout(this);
  auto line = [this](const char* key, const char* def, const char* objectName) {
    auto* edit = new QLineEdit(read(key, def), this);
    edit->setObjectName(QString::fromLatin1(objectName));
    return edit;
  };
  name_ = line("SkinName", "Unknown", "skinName");
  author_ = line("SkinAuthor", "Unknown", "skinAuthor");
  email_ = line("AuthorEmail", "", "authorEmail");
  url_ = line("AuthorsURL", "", "authorsUrl");
  activeTitle_ = line("ActiveTitle", "", "activeTitle");
  notes_ = new QPlainTextEdit(read("SpecialNotes", ""), this);
  notes_->setObjectName(QStringLiteral("specialNotes"));
  category_ = new QComboBox(this);
  category_->setObjectName(QStringLiteral("category"));
  category_->addItems(SkinCategories());
  const QString stored = read("Category", "Others");
  if (category_->findText(stored) < 0) category_->addItem(stored);
  category_->setCurrentText(stored);

  form->addRow(QStringLiteral("Skin name :"), name_);
  form->addRow(QStringLiteral("Author :"), author_);
  form->addRow(QStringLiteral("Author's e-mail :"), email_);
  form->addRow(QStringLiteral("Author's web site :"), url_);
  form->addRow(QStringLiteral("Special notes :"), notes_);
  form->addRow(QStringLiteral("Active title :"), activeTitle_);
  form->addRow(QStringLiteral("Category :"), category_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* saveButton = buttons->addButton(QStringLiteral("Save"), QDialogButtonBox::AcceptRole);
  saveButton->setObjectName(QStringLiteral("save"));
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    save();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

void SkinPropertiesDialog::save() {
  const std::string& file = Session().mainFile;
  WriteSkinString(kSection, "SkinName", ToSkinText(name_->text()), file);
  WriteSkinString(kSection, "SkinAuthor", ToSkinText(author_->text()), file);
  WriteSkinString(kSection, "AuthorEmail", ToSkinText(email_->text()), file);
  WriteSkinString(kSection, "AuthorsURL", ToSkinText(url_->text()), file);
  // A line break would end the value; the notes are kept on one line.
  WriteSkinString(kSection, "SpecialNotes", ToSkinText(notes_->toPlainText().replace(QLatin1Char('\n'), QLatin1Char(' '))), file);
  WriteSkinString(kSection, "ActiveTitle", ToSkinText(activeTitle_->text()), file);
  WriteSkinString(kSection, "Category", ToSkinText(category_->currentText()), file);
}

void SkinPropertiesDialog::done(int result) {
  Session().modified = 1;
  QDialog::done(result);
}

}  // namespace tessera::ui
