#pragma once
// What the main window's large preview shows for the selected category: the preview library's
// drawing calls, each with the rectangle it fills in the preview area. The widget only runs them.
#include <QRect>
#include <QSize>
#include <vector>

namespace tessera {

enum class CategoryPreviewStep {
  ActiveWindow,      // a sample window with its client area (DrawWindowFrameOwn2, active)
  InactiveWindow,    // the same drawn inactive
  Kind,              // one DrawPreview call
  TaskBar,           // the task bar along the bottom of the rectangle
  MagnifiedTaskBar,  // the task bar drawn at half the rectangle's size and shown twice as large
};

struct CategoryPreviewCall {
  CategoryPreviewStep step = CategoryPreviewStep::Kind;
  QRect rect;
  int kind = 0;
  int state = 1;
};

// The calls for a category kind (0 to 8, as the main window derives it from the category
// number) in a preview area of `size`, in drawing order. Kinds without elements of their own
// (animations, preview pictures) show an active sample window above the task bar.
std::vector<CategoryPreviewCall> CategoryPreviewCalls(int categoryKind, QSize size);

// Where the sample window of the plain preview lies in an area of `size`.
QRect CategoryPreviewWindow(QSize size);

}  // namespace tessera
