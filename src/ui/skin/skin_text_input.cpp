#include "ui/skin/skin_text_input.h"

#include <QStringEncoder>

namespace tessera::ui {

std::string ToSkinText(const QString& text) {
  QStringEncoder encoder("windows-1252", QStringConverter::Flag::Default);
  if (!encoder.isValid()) return text.toLatin1().toStdString();
  const QByteArray bytes = encoder(text);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace tessera::ui
