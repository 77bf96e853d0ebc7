// The window's side of the intro: the GL surface's player, and the events
// that end the intro, which the model decides about.
#include "webU.h"

#include "intro_picture.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace zef {

bool TForm1::introRunning() const { return GroupBox3->isHidden(); }

bool TForm1::startIntro() { return introPlayer_.start(); }

// The GL surface held the keyboard; the window takes it back.
void TForm1::endIntro()
{
    introPlayer_.end();
    activateWindow();
}

void TForm1::setOpaque()
{
    setWindowOpacity(1.0);
    repaint();
}

void TForm1::LoadGLTextures()
{
    // Only an intro needs the picture; a start without one does not load it.
    Image1->setPixmap(QPixmap::fromImage(IntroPicture()));
    introPlayer_.uploadTexture(Image1->pixmap().toImage());
}

void TForm1::FormResize()
{
    if (introRunning()) {
        introPlayer_.resize();
    }
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    model_.FormKeyDown();
    QWidget::keyPressEvent(event);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        FormClick();
    }
    QWidget::mouseReleaseEvent(event);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

}  // namespace zef
