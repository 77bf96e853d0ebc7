#include "intro_surface.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zef {

QSurfaceFormat IntroSurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(32);
    return format;
}

IntroSurface::IntroSurface(QWindow* parent) : QWindow(parent)
{
    setSurfaceType(QSurface::OpenGLSurface);
    setFormat(IntroSurfaceFormat());
}

void IntroSurface::keyPressEvent(QKeyEvent* event)
{
    if (onKeyPress) {
        onKeyPress(*event);
    }
    event->accept();
}

void IntroSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onClick) {
        onClick();
    }
    event->accept();
}

}  // namespace zef
