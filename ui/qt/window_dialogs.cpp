#include "window_dialogs.h"

#include "application_title.h"
#include "qt_text.h"
#include "run_progress.h"
#include "window_texts.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>

namespace zef {

bool WindowMessages::askYesNo(const std::string& question)
{
    if (ending_) {
        return false;
    }
    return QMessageBox::question(&window_, FromUtf8(kQuestionCaption), FromUtf8(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void WindowMessages::showError(const std::string& message, const std::string& details)
{
    // Nobody is there to click a box any more; standard error may still be read.
    if (ending_) {
        std::fprintf(stderr, "zef: %s %s\n", message.c_str(), details.c_str());
        return;
    }
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
