#include "report_view.h"

#include "win_text.h"
#include "windows1250.h"

#include <string_view>

namespace zef {

ReportView::ReportView(HWND view) : view_(view)
{
    // A multi-line edit holds 32 KB unless told otherwise; 0 lifts the limit.
    SendMessageW(view_, EM_SETLIMITTEXT, 0, 0);
}

void ReportView::changed()
{
    if (!updating_) {
        inSync_ = false;
    }
}

void ReportView::show(const std::string& report)
{
    updating_ = true;
    // A CR at the old end could pair with an LF at the start of the new part,
    // which decodes differently in two pieces.
    const bool appendable =
        inSync_ && report.size() >= shownBytes_ && (shownBytes_ == 0 || report[shownBytes_ - 1] != '\r');
    if (appendable) {
        append(report);
    } else {
        reload(report);
    }
    const LRESULT end = SendMessageW(view_, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(view_, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(view_, EM_SCROLLCARET, 0, 0);
    updating_ = false;
    inSync_ = true;
}

void ReportView::reload(const std::string& report)
{
    const std::wstring text = EditText(DecodeWindows1250(report));
    SetWindowTextW(view_, (text + L"\r\n").c_str());
    shownBytes_ = report.size();
    shownCharacters_ = text.size();
}

void ReportView::append(const std::string& report)
{
    if (report.size() == shownBytes_) {
        return;
    }
    const std::wstring added = EditText(DecodeWindows1250(std::string_view(report).substr(shownBytes_)));
    // The new text goes before the closing line break that follows the report.
    SendMessageW(view_, EM_SETSEL, shownCharacters_, static_cast<LPARAM>(shownCharacters_));
    SendMessageW(view_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
    shownBytes_ = report.size();
    shownCharacters_ += added.size();
}

}  // namespace zef
