#pragma once
// "Cut from larger graphic": pick a big source picture, drag a rectangle over it and save that
// rectangle as a picture of the skin, optionally linked to a skin section and kept up to date
// with the source.
#include <QDialog>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "core/image/image_buffer.h"
#include "core/skin/skin_document.h"

class QCheckBox;
class QPushButton;

namespace tessera::ui {

class CutPictureArea;

// The answer of the "Update section" question: a section name (empty = "None") and the file
// that holds it (0 main file, 1 shell companion, 2 taskbar companion).
struct SectionLinkAnswer {
  std::string section;
  int file = 0;
};
using SectionLinkChooser = std::function<SectionLinkAnswer(QWidget* parent)>;
// The chooser the cut tool asks after a save: the "Update section" dialog unless replaced.
SectionLinkChooser& CurrentSectionLinkChooser();

class CutToolDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CutToolDialog(SkinDocument* document, QWidget* parent = nullptr);
  ~CutToolDialog() override;

  CutPictureArea* pictureArea() const { return area_; }
  bool hasSource() const { return source_.has_value(); }

 private:
  QPointer<SkinDocument> document_;
  void pickSource();
  void saveCutOut();
  void showZoomWindow();

  CutPictureArea* area_ = nullptr;
  QCheckBox* updateLinked_ = nullptr;
  std::optional<ImageBuffer> source_;
  std::string sourcePath_;
  std::string lastDestination_;
};

}  // namespace tessera::ui
