#include "portal_hot_key.h"

#include "global_hot_key.h"
#include "portal_request.h"
#include "portal_shortcut.h"

#include <QDBusMessage>
#include <QDBusObjectPath>

#include <algorithm>

namespace zef {

namespace {

constexpr const char* kShortcutsInterface = "org.freedesktop.portal.GlobalShortcuts";
constexpr const char* kSessionInterface = "org.freedesktop.portal.Session";

QDBusMessage ShortcutsCall(const char* method)
{
    return QDBusMessage::createMethodCall(QLatin1String(kPortalService), QLatin1String(kPortalPath),
                                          QLatin1String(kShortcutsInterface), QLatin1String(method));
}

// Portals before version 1.17 send the session handle as a string.
QString SessionHandleIn(const QVariantMap& results)
{
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    return handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
}

}  // namespace

QString ShortcutTrigger(std::uint16_t modifiers, std::uint32_t keysym)
{
    // Letters and digits are the keysyms whose name is the character itself.
    const bool letter = keysym >= 'a' && keysym <= 'z';
    const bool digit = keysym >= '0' && keysym <= '9';
    if (!letter && !digit) {
        return {};
    }
    QString trigger;
    if (modifiers & kControlMask) {
        trigger += QLatin1String("CTRL+");
    }
    if (modifiers & kAltMask) {
        trigger += QLatin1String("ALT+");
    }
    if (modifiers & kShiftMask) {
        trigger += QLatin1String("SHIFT+");
    }
    return trigger + QChar(char16_t(keysym));
}

PortalHotKey::PortalHotKey(const QDBusConnection& bus, QObject* parent) : QObject(parent), bus_(bus)
{
    RegisterPortalShortcutTypes();
}

PortalHotKey::~PortalHotKey()
{
    if (!session_.isEmpty()) {
        bus_.call(QDBusMessage::createMethodCall(QLatin1String(kPortalService), session_,
                                                 QLatin1String(kSessionInterface), QStringLiteral("Close")),
                  QDBus::NoBlock);
    }
}

void PortalHotKey::bind(const QString& id, const QString& description, const QString& trigger)
{
    id_ = id;
    description_ = description;
    trigger_ = trigger;
    if (!bus_.isConnected()) {
        Q_EMIT unavailable(QStringLiteral("there is no D-Bus session bus"));
        return;
    }
    const QString token = NewPortalToken();
    QDBusMessage call = ShortcutsCall("CreateSession");
    call << QVariantMap{{QStringLiteral("handle_token"), token}, {QStringLiteral("session_handle_token"), token}};
    PortalRequest* request = PortalRequest::Send(bus_, call, token);
    connect(request, &PortalRequest::answered, this, &PortalHotKey::sessionCreated);
    connect(request, &PortalRequest::failed, this, [this](const QString& reason) {
        Q_EMIT unavailable(QStringLiteral("the desktop portal offers no global shortcuts (%1)").arg(reason));
    });
}

void PortalHotKey::sessionCreated(std::uint32_t response, const QVariantMap& results)
{
    session_ = response == kPortalSuccess ? SessionHandleIn(results) : QString();
    if (session_.isEmpty()) {
        Q_EMIT unavailable(QStringLiteral("the desktop portal opened no shortcut session"));
        return;
    }
    // Watched before binding: a press may follow the binding at once.
    bus_.connect(QLatin1String(kPortalService), QLatin1String(kPortalPath), QLatin1String(kShortcutsInterface),
                 QStringLiteral("Activated"), this,
                 SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    PortalShortcut shortcut{id_, {{QStringLiteral("description"), description_}}};
    if (!trigger_.isEmpty()) {
        shortcut.properties.insert(QStringLiteral("preferred_trigger"), trigger_);
    }
    const QString token = NewPortalToken();
    QDBusMessage call = ShortcutsCall("BindShortcuts");
    call << QVariant::fromValue(QDBusObjectPath(session_)) << QVariant::fromValue(PortalShortcuts{shortcut})
         << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    PortalRequest* request = PortalRequest::Send(bus_, call, token);
    connect(request, &PortalRequest::answered, this, &PortalHotKey::shortcutsBound);
    connect(request, &PortalRequest::failed, this, [this](const QString& reason) {
        Q_EMIT unavailable(QStringLiteral("the desktop portal did not bind the shortcut (%1)").arg(reason));
    });
}

void PortalHotKey::shortcutsBound(std::uint32_t response, const QVariantMap& results)
{
    if (response == kPortalCancelled) {
        Q_EMIT unavailable(QStringLiteral("the binding of the shortcut was declined"));
        return;
    }
    const PortalShortcuts shortcuts = PortalShortcutsIn(results.value(QStringLiteral("shortcuts")));
    bound_ = response == kPortalSuccess &&
             std::any_of(shortcuts.cbegin(), shortcuts.cend(), [this](const PortalShortcut& s) { return s.id == id_; });
    if (!bound_) {
        Q_EMIT unavailable(QStringLiteral("the desktop portal did not bind the shortcut"));
    }
}

void PortalHotKey::onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                               const QVariantMap& options)
{
    Q_UNUSED(timestamp);
    Q_UNUSED(options);
    if (bound_ && session.path() == session_ && id == id_) {
        Q_EMIT activated();
    }
}

}  // namespace zef
