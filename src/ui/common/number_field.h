#pragma once
// A number field keeps the width of its longest value: a form or grid column does not stretch it
// across the page.
#include <QAbstractSpinBox>
#include <QSizePolicy>

namespace tessera::ui {

template <typename Field>
Field* SizedToContent(Field* field) {
  field->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return field;
}

}  // namespace tessera::ui
