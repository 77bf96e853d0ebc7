// Refuses a log-off while a window is locked, on Wayland. There Qt takes no
// part in session management, so the log-off refusal of session_guard.h never
// runs; instead, while the window is disabled, the desktop portal's Inhibit
// interface is asked to hold off the log-off and show the user why.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

class QWidget;

namespace zef {

class LogoutInhibitor : public QObject {
    Q_OBJECT

public:
    // Follows `window`'s enabled state from now on; `reason` is what the
    // desktop shows. Does nothing where the window system is not Wayland.
    LogoutInhibitor(QWidget* window, const QString& reason);
    ~LogoutInhibitor() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void inhibit();
    void release();

    QDBusConnection bus_;
    QString reason_;
    // The Request object whose closing ends the inhibition.
    QString handle_;
};

}  // namespace zef
