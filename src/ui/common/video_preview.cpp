#include "ui/common/video_preview.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLibrary>
#include <QStackedLayout>

#include "ui/common/video_backend.h"

namespace tessera::ui {

namespace {
// Platforms without a screen: a player would decode for nobody (and start threads in tests).
bool displayCanPlay() {
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// The media module's entry point, looked for once: installed in <prefix>/lib/tessera beside the
// program's <prefix>/bin, else where the build tree made it. The module stays loaded.
MakeVideoBackend mediaModule(QString* why) {
  static MakeVideoBackend make = nullptr;
  static QString failure;
  static bool tried = false;
  if (!tried) {
    tried = true;
    const QStringList candidates = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/tessera/libtessera_media.so"),
        QStringLiteral(TESSERA_MEDIA_MODULE_BUILT)};
    for (const QString& path : candidates) {
      if (!QFileInfo::exists(path)) continue;
      QLibrary module(path);
      make = reinterpret_cast<MakeVideoBackend>(module.resolve(kMakeVideoBackendSymbol));
      if (make) break;
      failure = QStringLiteral("Videos cannot play: %1").arg(module.errorString());
    }
    if (!make && failure.isEmpty()) failure = QStringLiteral("Videos cannot play: the media module is not installed.");
  }
  if (!make && why) *why = failure;
  return make;
}
}  // namespace

VideoPreview::VideoPreview(QWidget* parent) : QWidget(parent) {
  stack_ = new QStackedLayout(this);
  stack_->setContentsMargins(0, 0, 0, 0);
  message_ = new QLabel(this);
  message_->setAlignment(Qt::AlignCenter);
  message_->setWordWrap(true);
  message_->setFrameShape(QFrame::StyledPanel);
  stack_->addWidget(message_);
  // The size the desktop shows these animations at.
  setMinimumSize(272, 60);
}

VideoPreview::~VideoPreview() = default;

bool VideoPreview::ensurePlayer() {
  if (player_) return true;
  if (!why_.isEmpty()) return false;
  if (!displayCanPlay()) {
    why_ = QStringLiteral("Videos do not play on this display.");
    return false;
  }
  const MakeVideoBackend make = mediaModule(&why_);
  if (!make) return false;
  VideoBackend* player = make(this, [this](const QString& text) {
    showText(QStringLiteral("This video cannot play: %1").arg(text.isEmpty() ? QStringLiteral("unknown error") : text));
  }, &why_);
  if (!player) {
    if (why_.isEmpty()) why_ = QStringLiteral("Videos cannot play: no media back end is installed.");
    return false;
  }
  player_.reset(player);
  stack_->addWidget(player_->widget());
  return true;
}

void VideoPreview::playFile(const QString& path) {
  const QFileInfo file(path);
  if (!file.isFile()) {
    showText(QStringLiteral("The file \"%1\" cannot be found.").arg(file.fileName()));
    return;
  }
  if (!ensurePlayer()) {
    showText(QStringLiteral("%1 (%2)").arg(why_, file.fileName()));
    return;
  }
  message_->clear();
  stack_->setCurrentWidget(player_->widget());
  player_->play(file.absoluteFilePath());
}

void VideoPreview::showText(const QString& text) {
  if (player_) player_->stop();
  message_->setText(text);
  stack_->setCurrentWidget(message_);
}

QString VideoPreview::message() const { return stack_->currentWidget() == message_ ? message_->text() : QString(); }

bool VideoPreview::isPlaying() const { return player_ && player_->isPlaying(); }

}  // namespace tessera::ui
