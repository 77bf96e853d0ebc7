// A global shortcut through the desktop portal's GlobalShortcuts interface,
// the way to a system-wide key on Wayland, where no client may grab keys.
// Binding takes two portal requests: CreateSession, then BindShortcuts with
// the preferred trigger; the desktop may ask the user, who may decline or
// pick another key. Afterwards each press arrives as the Activated signal.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <cstdint>

class QDBusObjectPath;

namespace zef {

// A trigger in the XDG shortcut notation that portals read, such as
// "CTRL+ALT+SHIFT+m", for X11 modifier bits and a letter or digit keysym;
// empty for any other key.
QString ShortcutTrigger(std::uint16_t modifiers, std::uint32_t keysym);

class PortalHotKey : public QObject {
    Q_OBJECT

public:
    explicit PortalHotKey(const QDBusConnection& bus, QObject* parent = nullptr);
    // Closes the portal session, which releases the binding.
    ~PortalHotKey() override;

    // Asks for the shortcut `id`, shown to the user as `description`. When
    // it cannot be had, unavailable() says why, possibly before this returns.
    void bind(const QString& id, const QString& description, const QString& trigger);

Q_SIGNALS:
    void activated();
    void unavailable(const QString& reason);

private Q_SLOTS:
    void onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                     const QVariantMap& options);

private:
    void sessionCreated(std::uint32_t response, const QVariantMap& results);
    void shortcutsBound(std::uint32_t response, const QVariantMap& results);

    QDBusConnection bus_;
    QString id_;
    QString description_;
    QString trigger_;
    QString session_;
    bool bound_ = false;
};

}  // namespace zef
