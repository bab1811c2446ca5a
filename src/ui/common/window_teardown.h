#pragma once
// Tearing a window down safely. Qt destroys a widget's children only after the widget's own
// members are gone, and while it does so the children still emit: a focused field says "editing
// finished" as the window hides, a list says its current row changed as it empties. A slot of the
// window reached that way runs against a half-destroyed object.
#include <QObject>

namespace tessera::ui {

// Detaches every signal of `owner`'s descendants from `owner` itself (its slots and the lambdas
// it is the context of). Call it first thing in the owner's destructor.
void DetachDescendantsFrom(QObject* owner);

}  // namespace tessera::ui
