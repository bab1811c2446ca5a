#pragma once
// "Sub frame builder": assembles a frame strip frame by frame from separate pictures. Works on
// the builder path and, when given, the current section's frame count and state names; after a
// save the builder path names the saved file.
#include <QDialog>
#include <string>

#include "core/image/frame_builder.h"

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace tessera::ui {

class FrameList;

class FrameBuilderDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FrameBuilderDialog(const std::string& currentSection = {}, QWidget* parent = nullptr);
  ~FrameBuilderDialog() override;

  const FrameBuilderModel& model() const { return model_; }
  FrameList* frameList() const { return frames_; }

  // Closing asks before unsaved changes are lost.
  void reject() override;

 private:
  void buildControls();
  void showModelState();
  void frameCountEdited(int count);
  void pickFile();
  void loadMultiPart();
  void saveAs();
  void optionsChanged();

  FrameBuilderModel model_;
  FrameList* frames_ = nullptr;
  QSpinBox* frameCount_ = nullptr;
  QRadioButton* intoSelected_ = nullptr;
  QRadioButton* intoAll_ = nullptr;
  QCheckBox* imageIsVertical_ = nullptr;
  QCheckBox* stackVertically_ = nullptr;
  QCheckBox* saveWithAlpha_ = nullptr;
  bool showing_ = false;
};

}  // namespace tessera::ui
