#include "ui/sheet/help_page.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/app/skin_actions.h"
#include "core/platform/environment.h"
#include "core/platform/prompt.h"
#include "core/platform/launcher_failure.h"
#include "core/sheet/help_content.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"
#include "ui/pages/example_box.h"
#include "ui/sheet/state_columns.h"

namespace tessera::ui {

namespace {
// The sheet is rebuilt a moment after the deletion, once the delete handler has returned.
constexpr int kRebuildDelayMs = 20;

QLabel* heading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}
}  // namespace

HelpPage::HelpPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Help"), parent) {
  const HelpContent help = ReadHelpContent(DataFolder(), currentTopLevelSection());
  auto* layout = new QVBoxLayout(this);

  helpText_ = new QLabel(FromSkinText(help.helpText), this);
  helpText_->setObjectName(QStringLiteral("helpText"));
  helpText_->setWordWrap(true);
  helpText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(helpText_);

  layout->addWidget(heading(QStringLiteral("Frame order"), this));
  if (!help.stateDescription.empty()) {
    stateDescription_ = new QLabel(FromSkinText(help.stateDescription), this);
    stateDescription_->setWordWrap(true);
    layout->addWidget(stateDescription_);
  } else {
    stateColumns_ = new StateColumns(this);
    QStringList names;
    for (const auto& name : help.stateNames) names << FromSkinText(name);
    stateColumns_->setNames(names);
    layout->addWidget(stateColumns_, 1);
  }

  exampleBox_ = new ExampleBox(help.examplePicture, this);
  layout->addWidget(exampleBox_);

  wikiButton_ = new QPushButton(QStringLiteral("Check the wiki to see if there is more information on this section"), this);
  deleteButton_ = new QPushButton(QStringLiteral("Delete this skin section from the skin"), this);
  layout->addWidget(wikiButton_);
  layout->addWidget(deleteButton_);
  layout->addStretch();
  connect(wikiButton_, &QPushButton::clicked, this, &HelpPage::openWiki);
  connect(deleteButton_, &QPushButton::clicked, this, &HelpPage::deleteSection);
}

QString HelpPage::helpText() const { return helpText_->text(); }
QString HelpPage::stateDescription() const { return stateDescription_ ? stateDescription_->text() : QString(); }
QStringList HelpPage::stateNames() const { return stateColumns_ ? stateColumns_->names() : QStringList(); }
bool HelpPage::showsExample() const { return !exampleBox_->isHidden(); }

void HelpPage::openWiki() { OpenOrExplain(HelpWikiUrl(currentTopLevelSection())); }

void HelpPage::deleteSection() {
  if (CurrentPrompt().askYesNo("Are you sure you want to delete this section?", "Delete section?") != PromptAnswer::Yes)
    return;
  WriteSkinString(currentSection(), std::nullopt, std::nullopt, Session().mainFile);
  RefreshPreview();
  editor().repaintLargePreview();
  SectionEditorContext* context = &editor();
  QTimer::singleShot(kRebuildDelayMs, this, [context] { context->requestSheetRebuild(); });
}

}  // namespace tessera::ui
