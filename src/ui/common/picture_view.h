#pragma once
// The one widget that shows a picture file: the picture scaled to fit with its aspect kept,
// composited with its alpha over the view's background. Used by the file picker's preview, the
// import dialog, the slot pages and the clean-up dialog.
#include <QImage>
#include <QWidget>
#include <string>

class QPainter;

namespace tessera::ui {

class PictureView : public QWidget {
  Q_OBJECT
 public:
  enum class Fit {
    // Light grey inside a one-pixel inset; the picture fills the inset across or down, small
    // pictures enlarged.
    FillView,
    // White; the picture shrunk to fit but never enlarged (the import dialog's rule).
    ShrinkOnly,
  };

  explicit PictureView(QWidget* parent = nullptr, Fit fit = Fit::FillView);

  // Loads the picture through the program's image reader and repaints; a file that cannot be
  // read (missing, damaged, empty, too large) leaves the view empty and gives false.
  bool setImage(const std::string& path);
  // Shows a picture already in memory (pre-multiplied ARGB32).
  void setPicture(const QImage& picture);
  void clear();

  bool hasPicture() const { return !picture_.isNull(); }
  const QImage& picture() const { return picture_; }
  Fit fit() const { return fit_; }
  // Where the picture is drawn at the view's current size (empty without a picture).
  QRect pictureRect() const;

  QSize sizeHint() const override;

  // Draws `picture` into a view of `view` size by `fit`: the still-picture drawing, for widgets
  // that cannot be a PictureView themselves.
  static void paintPicture(QPainter& painter, QSize view, const QImage& picture, Fit fit, const QColor& frame);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Fit fit_;
  QImage picture_;
  // The picture at the size last drawn, so a repaint does not rescale a large picture.
  mutable QImage scaled_;
};

}  // namespace tessera::ui
