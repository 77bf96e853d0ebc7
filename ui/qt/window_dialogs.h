// The Qt window's answers to what the core asks: Czech message boxes and the
// progress dialog of a long run.
#pragma once

#include "window_core.h"

class QWidget;

namespace zef {

class WindowMessages : public WindowDialogs {
public:
    explicit WindowMessages(QWidget& window) : window_(window) {}

    PlanProgress runProgress() override;

protected:
    bool showQuestion(const std::string& question) override;
    void showMessage(const std::string& message, const std::string& details) override;

private:
    QWidget& window_;
};

// Answers every open dialog with its safe default: a Yes/No question with
// No, a message with OK, a progress dialog with Cancel, a file dialog with
// Cancel.
void AnswerOpenDialogsSafely();

}  // namespace zef
