#include "report_view.h"

#include "win_text.h"

namespace zef {

std::size_t ReportView::setText(const std::string& text)
{
    const std::wstring shown = EditText(text);
    SetWindowTextW(view_, (shown + L"\r\n").c_str());
    return shown.size();
}

std::size_t ReportView::insertText(std::size_t position, const std::string& text)
{
    const std::wstring shown = EditText(text);
    SendMessageW(view_, EM_SETSEL, position, static_cast<LPARAM>(position));
    SendMessageW(view_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(shown.c_str()));
    return shown.size();
}

void ReportView::scrollToEnd()
{
    const LRESULT end = SendMessageW(view_, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(view_, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(view_, EM_SCROLLCARET, 0, 0);
}

}  // namespace zef
