// A stand-in for the desktop portal on a private D-Bus session bus, for the
// tests of the window's Wayland hot key and log-off refusal. It owns
// org.freedesktop.portal.Desktop and implements the parts of GlobalShortcuts
// and Inhibit that the window uses, with their Request and Session objects,
// exactly as the portal's interface describes them: each method replies with
// its request handle and then sends the Response signal on it. A control interface lets
// a test read what was bound and inhibited, emit Activated, and choose how
// the next binding is answered.
#include "portal_shortcut.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QDateTime>
#include <QMap>

#include <cstdio>

namespace {

const QString kDesktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

void Log(const QString& text) { std::fprintf(stderr, "portal stand-in: %s\n", qPrintable(text)); }

QString SenderElement(const QString& uniqueName) { return uniqueName.mid(1).replace(u'.', u'_'); }

QString HandlePath(const QString& kind, const QDBusMessage& call, const QVariantMap& options, const char* key)
{
    return QStringLiteral("%1/%2/%3/%4")
        .arg(kDesktopPath, kind, SenderElement(call.service()), options.value(QLatin1String(key)).toString());
}

struct Binding {
    QString session;
    QString trigger;
    QString description;
};

struct PortalState {
    QDBusConnection bus = QDBusConnection::sessionBus();
    QString answer = QStringLiteral("bind");
    QMap<QString, Binding> bindings;  // by shortcut id
    QStringList sessions;
    QMap<QString, QString> logoutInhibitions;  // reason by request path
};

// Everything under the portal's object path: the portal interfaces on the
// path itself, and the Request and Session objects below it, which only
// offer Close.
class DesktopPortal : public QDBusVirtualObject {
public:
    explicit DesktopPortal(PortalState& state) : state_(state) {}

    QString introspect(const QString& path) const override
    {
        Q_UNUSED(path);
        return {};
    }

    bool handleMessage(const QDBusMessage& call, const QDBusConnection& connection) override
    {
        Q_UNUSED(connection);
        const QString method = call.interface() + u'.' + call.member();
        if (call.path() != kDesktopPath) {
            if (call.member() != QLatin1String("Close")) {
                return false;
            }
            close(call.path());
            reply(call, {});
            return true;
        }
        if (method == kShortcutsInterface + QLatin1String(".CreateSession")) {
            createSession(call);
        } else if (method == kShortcutsInterface + QLatin1String(".BindShortcuts")) {
            bindShortcuts(call);
        } else if (method == QLatin1String("org.freedesktop.portal.Inhibit.Inhibit")) {
            inhibit(call);
        } else {
            return false;
        }
        return true;
    }

private:
    void reply(const QDBusMessage& call, const QVariantList& arguments)
    {
        state_.bus.send(call.createReply(arguments));
    }

    // Replies with the request handle, then sends the request's Response.
    void answer(const QDBusMessage& call, const QString& request, std::uint32_t response, const QVariantMap& results)
    {
        reply(call, {QVariant::fromValue(QDBusObjectPath(request))});
        QDBusMessage signal = QDBusMessage::createSignal(request, kRequestInterface, QStringLiteral("Response"));
        signal << response << results;
        state_.bus.send(signal);
    }

    void createSession(const QDBusMessage& call)
    {
        if (state_.answer == QLatin1String("absent")) {
            state_.bus.send(call.createErrorReply(QDBusError::UnknownMethod,
                                                  QStringLiteral("No such interface “%1”").arg(kShortcutsInterface)));
            return;
        }
        const QVariantMap options = qdbus_cast<QVariantMap>(call.arguments().value(0));
        const QString session = HandlePath(QStringLiteral("session"), call, options, "session_handle_token");
        state_.sessions << session;
        Log(QStringLiteral("session %1 created").arg(session));
        answer(call, HandlePath(QStringLiteral("request"), call, options, "handle_token"), 0,
               {{QStringLiteral("session_handle"), QVariant::fromValue(QDBusObjectPath(session))}});
    }

    void bindShortcuts(const QDBusMessage& call)
    {
        const QVariantList arguments = call.arguments();
        const QString session = arguments.value(0).value<QDBusObjectPath>().path();
        const auto shortcuts = qdbus_cast<zef::PortalShortcuts>(arguments.value(1));
        const QVariantMap options = qdbus_cast<QVariantMap>(arguments.value(3));
        const QString request = HandlePath(QStringLiteral("request"), call, options, "handle_token");
        if (call.signature() != QLatin1String("oa(sa{sv})sa{sv}") || !state_.sessions.contains(session)) {
            state_.bus.send(call.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("Invalid arguments")));
            return;
        }
        if (state_.answer == QLatin1String("decline")) {
            Log(QStringLiteral("binding declined"));
            answer(call, request, 1, {});
            return;
        }
        zef::PortalShortcuts bound;
        for (const zef::PortalShortcut& shortcut : shortcuts) {
            const QString trigger = shortcut.properties.value(QStringLiteral("preferred_trigger")).toString();
            const QString description = shortcut.properties.value(QStringLiteral("description")).toString();
            state_.bindings.insert(shortcut.id, {session, trigger, description});
            bound << zef::PortalShortcut{
                shortcut.id,
                {{QStringLiteral("description"), description}, {QStringLiteral("trigger_description"), trigger}}};
            Log(QStringLiteral("bound %1 to %2").arg(shortcut.id, trigger));
        }
        answer(call, request, 0, {{QStringLiteral("shortcuts"), QVariant::fromValue(bound)}});
    }

    void inhibit(const QDBusMessage& call)
    {
        const QVariantList arguments = call.arguments();
        const QVariantMap options = qdbus_cast<QVariantMap>(arguments.value(2));
        const QString request = HandlePath(QStringLiteral("request"), call, options, "handle_token");
        if (arguments.value(1).toUInt() & 1) {
            state_.logoutInhibitions.insert(request, options.value(QStringLiteral("reason")).toString());
            Log(QStringLiteral("log-off inhibited by %1").arg(request));
        }
        reply(call, {QVariant::fromValue(QDBusObjectPath(request))});
    }

    void close(const QString& path)
    {
        if (state_.sessions.removeAll(path)) {
            Log(QStringLiteral("session %1 closed").arg(path));
        }
        if (state_.logoutInhibitions.remove(path)) {
            Log(QStringLiteral("inhibition %1 released").arg(path));
        }
    }

    PortalState& state_;
};

class Control : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.example.zef.PortalStandIn")

public:
    explicit Control(PortalState& state) : state_(state) {}

public Q_SLOTS:
    // "bind" (the default), "decline", or "absent" for a portal without GlobalShortcuts.
    void SetAnswer(const QString& answer) { state_.answer = answer; }

    // The trigger the shortcut was bound with; empty while it is not bound
    // in an open session.
    QString BoundTrigger(const QString& id) const
    {
        const Binding binding = state_.bindings.value(id);
        return state_.sessions.contains(binding.session) ? binding.trigger : QString();
    }

    QString BoundDescription(const QString& id) const { return state_.bindings.value(id).description; }

    // Emits Activated for the shortcut in the session that bound it.
    bool Activate(const QString& id)
    {
        if (BoundTrigger(id).isEmpty()) {
            return false;
        }
        QDBusMessage signal =
            QDBusMessage::createSignal(kDesktopPath, kShortcutsInterface, QStringLiteral("Activated"));
        signal << QVariant::fromValue(QDBusObjectPath(state_.bindings.value(id).session)) << id
               << qulonglong(QDateTime::currentMSecsSinceEpoch()) << QVariantMap();
        Log(QStringLiteral("activated %1").arg(id));
        return state_.bus.send(signal);
    }

    // The reasons of the log-off inhibitions in force.
    QStringList LogoutInhibitions() const { return state_.logoutInhibitions.values(); }

private:
    PortalState& state_;
};

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    zef::RegisterPortalShortcutTypes();
    PortalState state;
    DesktopPortal desktop(state);
    Control control(state);
    if (!state.bus.isConnected() ||
        !state.bus.registerVirtualObject(kDesktopPath, &desktop, QDBusConnection::SubPath) ||
        !state.bus.registerObject(QStringLiteral("/org/example/zef/PortalStandIn"), &control,
                                  QDBusConnection::ExportAllSlots) ||
        !state.bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        Log(QStringLiteral("cannot serve on the session bus: %1").arg(state.bus.lastError().message()));
        return 1;
    }
    return QCoreApplication::exec();
}

#include "portal_standin.moc"
