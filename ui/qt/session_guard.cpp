#include "session_guard.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace zef {

SessionGuard::SessionGuard(std::function<bool()> locked, std::function<void()> explain, QObject* parent)
    : QObject(parent), locked_(std::move(locked)), explain_(std::move(explain))
{
#ifndef QT_NO_SESSIONMANAGER
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &SessionGuard::commitData);
#endif
}

void SessionGuard::commitData(QSessionManager& manager)
{
#ifndef QT_NO_SESSIONMANAGER
    if (!locked_()) {
        return;
    }
    // A message may only be shown once the session manager allows interaction.
    if (manager.allowsInteraction()) {
        explain_();
        manager.release();
    }
    manager.cancel();
#else
    Q_UNUSED(manager);
#endif
}

}  // namespace zef
