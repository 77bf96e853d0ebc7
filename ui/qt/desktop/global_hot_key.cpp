#include "global_hot_key.h"

#include "portal_hot_key.h"
#include "window_system.h"
#include "x11_connection.h"

#include <QDBusConnection>
#include <QDebug>
#include <QGuiApplication>

#ifdef ZEF_HAVE_XCB
#include <cstdlib>
#endif

#include <array>

namespace zef {

namespace {

constexpr std::uint8_t kKeyPress = 2;
constexpr std::uint16_t kIgnoredLocks = kLockMask | kNumLockMask;
constexpr std::uint32_t kNoX11Atom = 0xC000;

#ifdef ZEF_HAVE_XCB
xcb_window_t RootWindow(xcb_connection_t* connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// The first keycode whose mapping holds `keysym` or its upper-case twin.
std::uint8_t KeycodeFor(xcb_connection_t* connection, std::uint32_t keysym)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const std::uint8_t first = setup->min_keycode;
    const std::uint8_t count = static_cast<std::uint8_t>(setup->max_keycode - first + 1);
    xcb_get_keyboard_mapping_reply_t* reply =
        xcb_get_keyboard_mapping_reply(connection, xcb_get_keyboard_mapping(connection, first, count), nullptr);
    if (!reply) {
        return 0;
    }
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
    const int perCode = reply->keysyms_per_keycode;
    const std::uint32_t upper = keysym >= 'a' && keysym <= 'z' ? keysym - 32 : keysym;
    std::uint8_t found = 0;
    for (int code = 0; code < count && !found; ++code) {
        for (int column = 0; column < perCode; ++column) {
            const xcb_keysym_t sym = syms[code * perCode + column];
            if (sym == keysym || sym == upper) {
                found = static_cast<std::uint8_t>(first + code);
                break;
            }
        }
    }
    std::free(reply);
    return found;
}

constexpr std::array<std::uint16_t, 4> kLockVariants = {0, kLockMask, kNumLockMask, kLockMask | kNumLockMask};
#endif

}  // namespace

bool IsHotKeyPress(std::uint8_t responseType, std::uint8_t keycode, std::uint16_t state, std::uint8_t grabbedKeycode,
                   std::uint16_t grabbedModifiers)
{
    // The high bit of the response type only marks events sent by another client.
    return (responseType & 0x7F) == kKeyPress && keycode == grabbedKeycode && grabbedKeycode != 0 &&
           (state & ~kIgnoredLocks & 0xFF) == grabbedModifiers;
}

GlobalHotKey::GlobalHotKey(QObject* parent) : QObject(parent) {}

GlobalHotKey::~GlobalHotKey() { unregisterKey(); }

std::uint32_t GlobalHotKey::AddAtom(const char* name)
{
#ifdef ZEF_HAVE_XCB
    if (xcb_connection_t* connection = X11Connection()) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(qstrlen(name)), name), nullptr);
        if (reply) {
            const std::uint32_t atom = reply->atom;
            std::free(reply);
            return atom;
        }
    }
#else
    Q_UNUSED(name);
#endif
    return kNoX11Atom;
}

bool GlobalHotKey::registerKey(std::uint32_t id, std::uint16_t modifiers, std::uint32_t keysym, const QString& name,
                               const QString& description)
{
    unregisterKey();
    id_ = id;
    switch (CurrentWindowSystem()) {
    case WindowSystem::X11: return grabX11Key(modifiers, keysym);
    case WindowSystem::Wayland: bindThroughPortal(modifiers, keysym, name, description); return true;
    case WindowSystem::Other: break;
    }
    return reportUnavailable(
        QStringLiteral("the %1 platform has no system-wide keys").arg(QGuiApplication::platformName()));
}

bool GlobalHotKey::grabX11Key(std::uint16_t modifiers, std::uint32_t keysym)
{
#ifdef ZEF_HAVE_XCB
    xcb_connection_t* connection = X11Connection();
    if (!connection) {
        return reportUnavailable(QStringLiteral("there is no X11 connection"));
    }
    const std::uint8_t keycode = KeycodeFor(connection, keysym);
    if (!keycode) {
        return reportUnavailable(QStringLiteral("the keyboard has no such key"));
    }
    const xcb_window_t root = RootWindow(connection);
    // All four grabs go out before the first check waits, so the checks
    // cost one round trip to the server instead of four.
    std::array<xcb_void_cookie_t, kLockVariants.size()> cookies{};
    for (std::size_t i = 0; i < kLockVariants.size(); ++i) {
        cookies[i] = xcb_grab_key_checked(connection, 1, root, modifiers | kLockVariants[i], keycode,
                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    }
    bool grabbed = true;
    for (const xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(connection, cookie)) {
            // Another client holds this combination.
            std::free(error);
            grabbed = false;
        }
    }
    if (!grabbed) {
        for (const std::uint16_t locks : kLockVariants) {
            xcb_ungrab_key(connection, keycode, root, modifiers | locks);
        }
        xcb_flush(connection);
        return reportUnavailable(QStringLiteral("another program holds the key"));
    }
    keycode_ = keycode;
    modifiers_ = modifiers;
    QCoreApplication::instance()->installNativeEventFilter(this);
    return true;
#else
    Q_UNUSED(modifiers);
    Q_UNUSED(keysym);
    return reportUnavailable(QStringLiteral("this build has no X11 support"));
#endif
}

void GlobalHotKey::bindThroughPortal(std::uint16_t modifiers, std::uint32_t keysym, const QString& name,
                                     const QString& description)
{
    portal_ = std::make_unique<PortalHotKey>(QDBusConnection::sessionBus());
    connect(portal_.get(), &PortalHotKey::activated, this, [this] { Q_EMIT activated(id_); });
    connect(portal_.get(), &PortalHotKey::unavailable, this, &GlobalHotKey::reportUnavailable);
    portal_->bind(name, description, ShortcutTrigger(modifiers, keysym));
}

bool GlobalHotKey::reportUnavailable(const QString& reason)
{
    qWarning().noquote()
        << QStringLiteral("The window cannot be locked: its hot key is not available, because %1.").arg(reason);
    return false;
}

void GlobalHotKey::unregisterKey()
{
    portal_.reset();
    if (!keycode_) {
        return;
    }
#ifdef ZEF_HAVE_XCB
    if (xcb_connection_t* connection = X11Connection()) {
        const xcb_window_t root = RootWindow(connection);
        for (const std::uint16_t locks : kLockVariants) {
            xcb_ungrab_key(connection, keycode_, root, modifiers_ | locks);
        }
        xcb_flush(connection);
    }
#endif
    if (QCoreApplication::instance()) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
    keycode_ = 0;
}

bool GlobalHotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result)
{
    Q_UNUSED(result);
#ifdef ZEF_HAVE_XCB
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_KEY_PRESS) {
        return false;
    }
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    if (!IsHotKeyPress(press->response_type, press->detail, press->state, keycode_, modifiers_)) {
        return false;
    }
    Q_EMIT activated(id_);
    return true;
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    return false;
#endif
}

}  // namespace zef
