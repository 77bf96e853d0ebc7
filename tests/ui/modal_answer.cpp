#include "modal_answer.h"

#include <QAbstractButton>
#include <QApplication>

namespace zef::test {

ModalAnswer::ModalAnswer(QMessageBox::StandardButton button) : button_(button)
{
    connect(&timer_, &QTimer::timeout, this, &ModalAnswer::answer);
    timer_.start(5);
}

void ModalAnswer::answer()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) {
        return;
    }
    texts_.append(box->text());
    titles_.append(box->windowTitle());
    QAbstractButton* button = box->button(button_);
    if (button) {
        button->click();
    } else {
        box->reject();
    }
}

}  // namespace zef::test
