#include "application_title.h"

#include "x11_connection.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#ifdef ZEF_HAVE_XCB
#include <cstdlib>
#endif

namespace zef {

namespace {

QString& Title()
{
    static QString title;
    return title;
}

#ifdef ZEF_HAVE_XCB
// Replaces the class in the window's WM_CLASS and keeps the instance name Qt
// gave it (from the -name option, RESOURCE_NAME or the program's file name).
void SetWindowClass(xcb_connection_t* connection, xcb_window_t window, const QByteArray& className)
{
    QByteArray instance;
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256), nullptr)) {
        const QByteArray current(static_cast<const char*>(xcb_get_property_value(reply)),
                                 xcb_get_property_value_length(reply));
        instance = current.left(current.indexOf('\0'));
        std::free(reply);
    }
    const QByteArray value = instance + '\0' + className + '\0';
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                        static_cast<std::uint32_t>(value.size()), value.constData());
}
#endif

void CarryTitle(QWidget& window)
{
#ifdef ZEF_HAVE_XCB
    xcb_connection_t* connection = X11Connection();
    if (connection && window.testAttribute(Qt::WA_WState_Created)) {
        SetWindowClass(connection, static_cast<xcb_window_t>(window.winId()), Title().toLocal8Bit());
    }
#else
    Q_UNUSED(window);
#endif
}

// Gives every top-level window the title as its class. The window manager
// reads the class when the window is mapped, which follows its show event.
class TitleCarrier : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow()) {
                CarryTitle(*widget);
            }
        }
        return false;
    }
};

}  // namespace

void SetApplicationTitle(const QString& title)
{
    Title() = title;
    static QPointer<TitleCarrier> carrier;
    if (!carrier) {
        carrier = new TitleCarrier(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(carrier);
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            CarryTitle(*window);
        }
    }
}

QString ApplicationTitle() { return Title(); }

}  // namespace zef
