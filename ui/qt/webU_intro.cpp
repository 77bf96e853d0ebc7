// The window's side of the intro: the handlers the window design names, each
// a thin forward to the intro player, and the events that reach them.
#include "webU.h"

#include "intro_picture.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace zef {

bool TForm1::IntroRunning() const { return GroupBox3->isHidden(); }

void TForm1::LoadGLTextures()
{
    // Only an intro needs the picture; a start without one does not load it.
    Image1->setPixmap(QPixmap::fromImage(IntroPicture()));
    introPlayer_.uploadTexture(Image1->pixmap().toImage());
}

void TForm1::FormResize()
{
    if (IntroRunning()) {
        introPlayer_.resize();
    }
}

// The calculator is shown first, so a frame served while the thread stops
// skips the scene; the opacity is restored only once no frame can follow.
void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    Q_UNUSED(key);
    Q_UNUSED(shift);
    if (!IntroRunning()) {
        return;
    }
    viditelnost(true);
    introPlayer_.end();
    setWindowOpacity(1.0);
    // The GL surface held the keyboard; give it back to the editor.
    activateWindow();
    repaint();
}

void TForm1::FormClick() { FormKeyDown(Qt::Key_Space, Qt::NoModifier); }

void TForm1::keyPressEvent(QKeyEvent* event)
{
    FormKeyDown(event->key(), event->modifiers());
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
