// One call to a desktop portal method that answers through a Request object.
// The method returns the request's object path at once; the outcome arrives
// later as the Request's Response signal on that path. The path is derived
// from the caller's bus name and a token the caller chooses, so the signal is
// watched before the call goes out and even an immediate answer is not missed.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <cstdint>

class QDBusMessage;
class QDBusPendingCallWatcher;

namespace zef {

inline constexpr const char* kPortalService = "org.freedesktop.portal.Desktop";
inline constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";

// Response codes of a portal request.
enum PortalResponse : std::uint32_t { kPortalSuccess = 0, kPortalCancelled = 1, kPortalEnded = 2 };

// The element a portal puts into request and session paths for a caller's
// unique bus name: ":1.42" gives "1_42".
QString PortalSenderElement(const QString& uniqueName);

// The object path of a request or session ("request", "session") that the
// portal makes for the caller's `token`.
QString PortalHandlePath(const QString& kind, const QString& uniqueName, const QString& token);

// A token not used before in this process, for the handle_token and
// session_handle_token options.
QString NewPortalToken();

class PortalRequest : public QObject {
    Q_OBJECT

public:
    // Sends `call`, whose options already hold `token` as their
    // handle_token. Emits exactly one of answered() and failed(), then
    // deletes itself.
    static PortalRequest* Send(const QDBusConnection& bus, const QDBusMessage& call, const QString& token);

Q_SIGNALS:
    void answered(std::uint32_t response, const QVariantMap& results);
    void failed(const QString& reason);

private Q_SLOTS:
    void respond(uint response, const QVariantMap& results);

private:
    PortalRequest(const QDBusConnection& bus, const QString& path);
    void watch(const QString& path);
    void replied(QDBusPendingCallWatcher* watcher);

    QDBusConnection bus_;
    QString path_;
    bool done_ = false;
};

}  // namespace zef
