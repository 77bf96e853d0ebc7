#include "portal_request.h"

#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace zef {

namespace {

constexpr const char* kRequestInterface = "org.freedesktop.portal.Request";

}  // namespace

QString PortalSenderElement(const QString& uniqueName)
{
    QString element = uniqueName.startsWith(u':') ? uniqueName.mid(1) : uniqueName;
    element.replace(u'.', u'_');
    return element;
}

QString PortalHandlePath(const QString& kind, const QString& uniqueName, const QString& token)
{
    return QStringLiteral("%1/%2/%3/%4").arg(QLatin1String(kPortalPath), kind, PortalSenderElement(uniqueName), token);
}

QString NewPortalToken()
{
    static int counter = 0;
    return QStringLiteral("zef%1").arg(++counter);
}

PortalRequest::PortalRequest(const QDBusConnection& bus, const QString& path) : bus_(bus) { watch(path); }

PortalRequest* PortalRequest::Send(const QDBusConnection& bus, const QDBusMessage& call, const QString& token)
{
    auto* request = new PortalRequest(bus, PortalHandlePath(QStringLiteral("request"), bus.baseService(), token));
    auto* watcher = new QDBusPendingCallWatcher(request->bus_.asyncCall(call), request);
    connect(watcher, &QDBusPendingCallWatcher::finished, request, &PortalRequest::replied);
    return request;
}

void PortalRequest::watch(const QString& path)
{
    if (!path_.isEmpty()) {
        bus_.disconnect(QLatin1String(kPortalService), path_, QLatin1String(kRequestInterface),
                        QStringLiteral("Response"), this, SLOT(respond(uint, QVariantMap)));
    }
    path_ = path;
    // QtDBus delivers signals only to slots named by their signature.
    bus_.connect(QLatin1String(kPortalService), path_, QLatin1String(kRequestInterface), QStringLiteral("Response"),
                 this, SLOT(respond(uint, QVariantMap)));
}

void PortalRequest::replied(QDBusPendingCallWatcher* watcher)
{
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    watcher->deleteLater();
    if (done_) {
        return;
    }
    if (reply.isError()) {
        done_ = true;
        Q_EMIT failed(reply.error().message().isEmpty() ? reply.error().name() : reply.error().message());
        deleteLater();
        return;
    }
    // A portal older than handle tokens answers on a path of its own.
    if (reply.value().path() != path_) {
        watch(reply.value().path());
    }
}

void PortalRequest::respond(uint response, const QVariantMap& results)
{
    if (done_) {
        return;
    }
    done_ = true;
    Q_EMIT answered(response, results);
    deleteLater();
}

}  // namespace zef
