// Refuses a log-off or shutdown while the window is locked, the way the close
// guard refuses a close: the session manager is asked to cancel.
#pragma once

#include <QObject>

#include <functional>

class QSessionManager;

namespace zef {

class SessionGuard : public QObject {
    Q_OBJECT

public:
    // `locked` says whether the session may not end now; `explain` tells the
    // user why, and is only called when the session manager allows it.
    SessionGuard(std::function<bool()> locked, std::function<void()> explain, QObject* parent);

private:
    void commitData(QSessionManager& manager);

    std::function<bool()> locked_;
    std::function<void()> explain_;
};

}  // namespace zef
