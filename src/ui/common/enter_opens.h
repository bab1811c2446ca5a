#pragma once
// Enter (Return or the keypad's Enter) on a list's current item opens it, whatever the mouse rule
// of the list is (single or double click), so that a list can be worked from the keyboard alone.
#include <QModelIndex>
#include <functional>

class QAbstractItemView;

namespace tessera::ui {

// Calls `open` with the view's current index when Enter is pressed on the view and an item is
// current; the key goes no further then (the dialog's default button does not also fire).
void OpenOnEnter(QAbstractItemView* view, std::function<void(const QModelIndex&)> open);

}  // namespace tessera::ui
