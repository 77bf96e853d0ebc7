// A system-wide hot key. On X11 it is a passive key grab on the root window,
// made for every combination of Num Lock and Caps Lock so that they do not
// hide the press; the press arrives through Qt's native event filter, even
// while the window is disabled. On Wayland, where no client may grab keys, it
// is a global shortcut bound through the desktop portal (portal_hot_key.h).
// Elsewhere (offscreen) the key simply never arrives. Where the key cannot be
// had, standard error says once why.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <memory>

namespace zef {

class PortalHotKey;

// Modifier bits of an X11 key event.
enum HotKeyModifier : std::uint16_t {
    kShiftMask = 1 << 0,
    kLockMask = 1 << 1,
    kControlMask = 1 << 2,
    kAltMask = 1 << 3,      // Mod1
    kNumLockMask = 1 << 4,  // Mod2
};

// Whether an X11 event is the press of the grabbed key with exactly the
// grabbed modifiers, Caps Lock and Num Lock aside.
bool IsHotKeyPress(std::uint8_t responseType, std::uint8_t keycode, std::uint16_t state, std::uint8_t grabbedKeycode,
                   std::uint16_t grabbedModifiers);

class GlobalHotKey : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit GlobalHotKey(QObject* parent = nullptr);
    ~GlobalHotKey() override;

    // A process-wide identifier for `name`: the X11 atom of that name, or a
    // fixed stand-in where there is no X11 server.
    static std::uint32_t AddAtom(const char* name);

    // Registers `modifiers` + the key of `keysym` and reports it as `id`. A
    // desktop portal knows the key by `name` and lists it under
    // `description`. Returns false when the key is certainly not had (no
    // window system that offers one, or the X11 key is taken); a portal's
    // answer comes later.
    bool registerKey(std::uint32_t id, std::uint16_t modifiers, std::uint32_t keysym, const QString& name,
                     const QString& description);
    void unregisterKey();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

Q_SIGNALS:
    void activated(std::uint32_t id);

private:
    bool grabX11Key(std::uint16_t modifiers, std::uint32_t keysym);
    void bindThroughPortal(std::uint16_t modifiers, std::uint32_t keysym, const QString& name,
                           const QString& description);
    bool reportUnavailable(const QString& reason);

    std::unique_ptr<PortalHotKey> portal_;
    std::uint32_t id_ = 0;
    std::uint8_t keycode_ = 0;
    std::uint16_t modifiers_ = 0;
};

}  // namespace zef
