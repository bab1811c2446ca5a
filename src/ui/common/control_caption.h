#pragma once
// The words a window shows for one of its controls: the text of a check box or radio button, or
// the label beside the control (its buddy, its form-layout label, or the label before it in its
// grid row or box). Used to name an edit in the user's words ("Top margin").
#include <QString>

class QWidget;

namespace tessera::ui {

// The caption of `control` (or of the control it belongs to, for the line edit inside a spin box),
// looking no higher than `window`; empty when the control has none.
QString ControlCaption(const QWidget* control, const QWidget* window);

}  // namespace tessera::ui
