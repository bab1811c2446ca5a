#pragma once
// A list of texture pictures: the no-texture entry first, then the pictures of the skin folder.
// Each row, 25 pixels high, shows the picture at its own size (clipped to the row) and the
// name from the middle of the row. Pictures load when their row is first drawn, so a folder of
// hundreds of pictures opens at once.
#include <QHash>
#include <QImage>
#include <QListWidget>
#include <string>
#include <vector>

namespace tessera::ui {

class TextureList : public QListWidget {
  Q_OBJECT
 public:
  static constexpr int kRowHeight = 25;

  explicit TextureList(QWidget* parent = nullptr);

  // Lists the skin folder's pictures again and selects `value` (compared ignoring case), or the
  // no-texture entry when it is not listed. Emits nothing.
  void refill(const std::string& value);
  // The selected picture; empty for the no-texture entry.
  std::string selectedValue() const;
  const std::vector<std::string>& values() const { return values_; }

  // The part of a row's picture the row shows; null when the file does not load.
  const QImage& rowPicture(const std::string& value);
  // Pictures loaded so far (rows drawn).
  int loadedPictureCount() const { return static_cast<int>(pictures_.size()); }

 signals:
  // The user selected an entry (empty string for the no-texture entry).
  void textureChosen(const std::string& value);

 private:
  std::vector<std::string> values_;
  QHash<QString, QImage> pictures_;
  bool filling_ = false;
};

}  // namespace tessera::ui
