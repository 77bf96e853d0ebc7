#include "report_view.h"

#include "win_text.h"

namespace zef {

void ReportView::changed()
{
    if (!updating_) {
        feed_.viewEdited();
    }
}

void ReportView::show(const std::string& report)
{
    updating_ = true;
    const ReportFeed::Update update = feed_.next(report);
    const std::wstring text = EditText(update.text);
    if (update.whole) {
        SetWindowTextW(view_, (text + L"\r\n").c_str());
        shownCharacters_ = text.size();
    } else if (!text.empty()) {
        // The new text goes before the closing line break that follows the report.
        SendMessageW(view_, EM_SETSEL, shownCharacters_, static_cast<LPARAM>(shownCharacters_));
        SendMessageW(view_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
        shownCharacters_ += text.size();
    }
    const LRESULT end = SendMessageW(view_, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(view_, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(view_, EM_SCROLLCARET, 0, 0);
    updating_ = false;
}

}  // namespace zef
