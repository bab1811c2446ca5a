#include "ui/common/global_hot_key.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QKeyEvent>
#include <array>

namespace tessera::ui {

namespace {
constexpr xcb_keysym_t kF2 = 0xffbf;
// The key counts with Caps Lock and Num Lock in any state.
constexpr std::array<uint16_t, 4> kLockStates = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                                  XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

xcb_keycode_t KeycodeOf(xcb_connection_t* connection, xcb_keysym_t keysym) {
  const xcb_setup_t* setup = xcb_get_setup(connection);
  const int count = setup->max_keycode - setup->min_keycode + 1;
  xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
      connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<uint8_t>(count)), nullptr);
  if (!reply) return 0;
  xcb_keycode_t found = 0;
  const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(reply);
  const int perCode = reply->keysyms_per_keycode;
  for (int code = 0; code < count && !found; ++code)
    for (int i = 0; i < perCode; ++i)
      if (symbols[code * perCode + i] == keysym) {
        found = static_cast<xcb_keycode_t>(setup->min_keycode + code);
        break;
      }
  free(reply);
  return found;
}
}  // namespace

// A passive grab of F2 on the root window: the X server then sends every F2 press to us.
class GlobalHotKey::X11Grab final : public QAbstractNativeEventFilter {
 public:
  X11Grab(GlobalHotKey& owner, xcb_connection_t* connection) : owner_(owner), connection_(connection) {
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    keycode_ = KeycodeOf(connection, kF2);
    if (!keycode_) return;
    bool ok = true;
    for (uint16_t state : kLockStates) {
      xcb_generic_error_t* error = xcb_request_check(
          connection, xcb_grab_key_checked(connection, 1, root_, state, keycode_, XCB_GRAB_MODE_ASYNC,
                                           XCB_GRAB_MODE_ASYNC));
      // Another program holds the key: it stays with that program.
      if (error) {
        ok = false;
        free(error);
      }
    }
    if (!ok) {
      release();
      keycode_ = 0;
      return;
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
  }
  ~X11Grab() override {
    if (!keycode_) return;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    release();
  }
  bool active() const { return keycode_ != 0; }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS) return false;
    auto* press = static_cast<xcb_key_press_event_t*>(message);
    if (press->detail != keycode_) return false;
    emit owner_.activated();
    return true;
  }

 private:
  void release() {
    for (uint16_t state : kLockStates) xcb_ungrab_key(connection_, keycode_, root_, state);
    xcb_flush(connection_);
  }
  GlobalHotKey& owner_;
  xcb_connection_t* connection_;
  xcb_window_t root_ = 0;
  xcb_keycode_t keycode_ = 0;
};

GlobalHotKey::GlobalHotKey(QObject* parent) : QObject(parent) {
  auto* app = qGuiApp;
  if (!app) return;
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  // The offscreen platform answers as X11 without a connection.
  if (x11 && x11->connection() && !xcb_connection_has_error(x11->connection())) {
    grab_ = std::make_unique<X11Grab>(*this, x11->connection());
    if (!grab_->active()) grab_.reset();
  }
  // Without a desktop-wide key, F2 counts in the program's own windows.
  if (!grab_) app->installEventFilter(this);
}

GlobalHotKey::~GlobalHotKey() = default;

bool GlobalHotKey::isDesktopWide() const { return grab_ != nullptr; }

bool GlobalHotKey::eventFilter(QObject* watched, QEvent* event) {
  // A key event travels from the focus widget up to its window; only the window's copy counts.
  if (event->type() == QEvent::KeyPress && watched->isWindowType()) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F2 && !key->isAutoRepeat()) {
      emit activated();
      return true;
    }
  }
  return false;
}

}  // namespace tessera::ui
