#pragma once
// The section editor window as the pages see it, recording what they ask of it.
#include <QWidget>
#include <string>

#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "ui/editor/section_editor_context.h"

namespace tessera::ui::testing {

class FakeEditor final : public SectionEditorContext {
 public:
  FakeEditor(std::string section, std::string topLevel) : section_(std::move(section)), topLevel_(std::move(topLevel)) {}
  std::string currentSection() const override { return section_; }
  std::string currentTopLevelSection() const override { return topLevel_; }
  void setCurrentSection(const std::string& section) override { section_ = section; }
  void requestSheetRebuild() override { ++rebuilds; }
  void repaintLargePreview() override { ++repaints; }
  QWidget* editorWindow() override { return &window; }
  // The document the test opened, if any.
  SkinDocument* document() const override { return SkinDocument::current(); }

  int rebuilds = 0;
  int repaints = 0;
  QWidget window;

 private:
  std::string section_;
  std::string topLevel_;
};

}  // namespace tessera::ui::testing
