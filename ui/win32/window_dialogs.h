// The Windows window's answers to what the core asks: Czech message boxes
// (MessageBoxW) and the progress dialog of a long run.
#pragma once

#include "win32_api.h"
#include "window_core.h"

#include <functional>

namespace zef {

class WindowMessages : public WindowDialogs {
public:
    // `window` gives the main window while it exists (null before and after).
    explicit WindowMessages(std::function<HWND()> window) : window_(std::move(window)) {}

    PlanProgress runProgress() override;

protected:
    bool showQuestion(const std::string& question) override;
    void showMessage(const std::string& message, const std::string& details) override;

private:
    // The window a box belongs to: the main window while it can be seen.
    HWND owner() const;

    std::function<HWND()> window_;
};

// Marks a message box or a file dialog as open for as long as it lives. While
// one is open the main window takes no close request, as a Qt window under a
// modal dialog takes none: the box is answered first.
class ModalBox {
public:
    ModalBox();
    ~ModalBox();
    ModalBox(const ModalBox&) = delete;
    ModalBox& operator=(const ModalBox&) = delete;

    static bool open();
};

// MessageBoxW inside a ModalBox, with UTF-8 texts ('\n' line breaks).
int ShowMessageBox(HWND owner, std::string_view text, const std::wstring& caption, UINT style);

// Answers every open box and file dialog of this thread with its safe
// default: a Yes/No question with No, a message with OK, a file dialog with
// Cancel. They close once the handler that calls this has returned.
void AnswerOpenDialogsSafely();

}  // namespace zef
