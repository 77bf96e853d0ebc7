// The OpenGL surface the intro draws on: a QWindow of OpenGL surface type that
// the intro player embeds over the main window's whole client area (through
// QWidget::createWindowContainer) and drives with its own QOpenGLContext.
// Keys and clicks that land on it are handed on through callbacks, so that
// they end the intro exactly as if they had reached the main window.
#pragma once

#include <QSurfaceFormat>
#include <QWindow>

#include <functional>

class QKeyEvent;
class QMouseEvent;

namespace zef {

// Double-buffered RGBA with 24-bit colour and a 32-bit depth buffer, a
// compatibility profile for the fixed-function calls, and the platform's
// default swap interval.
QSurfaceFormat IntroSurfaceFormat();

class IntroSurface : public QWindow {
public:
    explicit IntroSurface(QWindow* parent = nullptr);

    std::function<void(const QKeyEvent& event)> onKeyPress;
    // A click is a left-button release, as on the window itself.
    std::function<void()> onClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace zef
