// The Qt window's answers to what the core asks: Czech message boxes and the
// progress dialog of a long run. Once the window is ending (a TERM, a close
// at the end of a session) no new box is shown: a question gets its safe
// answer, No, and a message its OK.
#pragma once

#include "window_core.h"

class QWidget;

namespace zef {

class WindowMessages : public WindowDialogs {
public:
    explicit WindowMessages(QWidget& window) : window_(window) {}

    bool askYesNo(const std::string& question) override;
    void showError(const std::string& message, const std::string& details = {}) override;
    PlanProgress runProgress() override;

    // From now on nothing waits for the player: see above.
    void endWithoutAsking() { ending_ = true; }
    bool ending() const { return ending_; }

private:
    QWidget& window_;
    bool ending_ = false;
};

// Answers every open dialog with its safe default: a Yes/No question with
// No, a message with OK, a progress dialog with Cancel, a file dialog with
// Cancel.
void AnswerOpenDialogsSafely();

}  // namespace zef
