// Answers the message boxes that a test provokes, so that their modal loops
// end, and records what they said.
#pragma once

#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace zef::test {

class ModalAnswer : public QObject {
    Q_OBJECT

public:
    // Every message box shown while this object lives is answered with `button`.
    explicit ModalAnswer(QMessageBox::StandardButton button = QMessageBox::Ok);

    // The texts of the message boxes answered so far, oldest first.
    const QStringList& texts() const { return texts_; }
    const QStringList& titles() const { return titles_; }

private:
    void answer();

    QMessageBox::StandardButton button_;
    QTimer timer_;
    QStringList texts_;
    QStringList titles_;
};

}  // namespace zef::test
