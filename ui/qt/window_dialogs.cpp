#include "window_dialogs.h"

#include "application_title.h"
#include "qt_text.h"
#include "run_progress.h"
#include "window_texts.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QWidget>

namespace zef {

bool WindowMessages::showQuestion(const std::string& question)
{
    return QMessageBox::question(&window_, FromUtf8(kQuestionCaption), FromUtf8(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void WindowMessages::showMessage(const std::string& message, const std::string& details)
{
    // A window that is going away owns no message.
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), FromUtf8(message), QMessageBox::Ok,
                    window_.isVisible() ? &window_ : nullptr);
    if (!details.empty()) {
        box.setInformativeText(FromUtf8(details));
    }
    box.exec();
}

PlanProgress WindowMessages::runProgress() { return ProgressDialogHook(&window_); }

void AnswerOpenDialogsSafely()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        // A message box's reject() answers with its escape button: No or OK.
        if (dialog && dialog->isVisible() && dialog->isModal()) {
            dialog->reject();
        }
    }
}

}  // namespace zef
