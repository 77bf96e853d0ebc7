#include "logout_inhibitor.h"

#include "portal_request.h"
#include "window_system.h"

#include <QDBusMessage>
#include <QEvent>
#include <QWidget>

namespace zef {

namespace {

constexpr std::uint32_t kInhibitLogout = 1;

}  // namespace

LogoutInhibitor::LogoutInhibitor(QWidget* window, const QString& reason)
    : QObject(window), bus_(QDBusConnection::sessionBus()), reason_(reason)
{
    if (CurrentWindowSystem() == WindowSystem::Wayland) {
        window->installEventFilter(this);
    }
}

LogoutInhibitor::~LogoutInhibitor() { release(); }

bool LogoutInhibitor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (static_cast<QWidget*>(watched)->isEnabled()) {
            release();
        } else {
            inhibit();
        }
    }
    return QObject::eventFilter(watched, event);
}

void LogoutInhibitor::inhibit()
{
    if (!handle_.isEmpty() || !bus_.isConnected()) {
        return;
    }
    const QString token = NewPortalToken();
    // The handle is known before the answer, so a release that comes first
    // still finds it.
    handle_ = PortalHandlePath(QStringLiteral("request"), bus_.baseService(), token);
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(kPortalService), QLatin1String(kPortalPath),
                                       QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
    call << QString() << kInhibitLogout
         << QVariantMap{{QStringLiteral("handle_token"), token}, {QStringLiteral("reason"), reason_}};
    bus_.call(call, QDBus::NoBlock);
}

void LogoutInhibitor::release()
{
    if (handle_.isEmpty()) {
        return;
    }
    bus_.call(QDBusMessage::createMethodCall(QLatin1String(kPortalService), handle_,
                                             QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close")),
              QDBus::NoBlock);
    handle_.clear();
}

}  // namespace zef
