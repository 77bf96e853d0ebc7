#include "window_dialogs.h"

#include "application_title.h"
#include "run_progress.h"
#include "win_text.h"
#include "window_texts.h"

namespace zef {

namespace {

int openBoxes = 0;

BOOL CALLBACK AnswerSafely(HWND window, LPARAM)
{
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    // "#32770" is the class of every dialog: message boxes and file dialogs.
    // A box takes the first command that names one of its buttons.
    if (std::wstring_view(className) == L"#32770") {
        PostMessageW(window, WM_COMMAND, IDNO, 0);
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

}  // namespace

ModalBox::ModalBox() { ++openBoxes; }

ModalBox::~ModalBox() { --openBoxes; }

bool ModalBox::open() { return openBoxes > 0; }

int ShowMessageBox(HWND owner, std::string_view text, const std::wstring& caption, UINT style)
{
    ModalBox box;
    return MessageBoxW(owner, EditText(text).c_str(), caption.c_str(), style);
}

HWND WindowMessages::owner() const
{
    const HWND window = window_();
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

bool WindowMessages::showQuestion(const std::string& question)
{
    return ShowMessageBox(owner(), question, Wide(kQuestionCaption), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
           IDYES;
}

void WindowMessages::showMessage(const std::string& message, const std::string& details)
{
    const std::string text = details.empty() ? message : message + "\n\n" + details;
    ShowMessageBox(owner(), text, ApplicationTitle(), MB_OK | MB_ICONERROR);
}

PlanProgress WindowMessages::runProgress() { return ProgressDialogHook(window_()); }

void AnswerOpenDialogsSafely() { EnumThreadWindows(GetCurrentThreadId(), AnswerSafely, 0); }

}  // namespace zef
