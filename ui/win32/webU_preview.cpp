// The window's side of the plan editor and the preview line between the
// intro switch and "Graf": their texts, the caret, the waves under the lines
// with a warning, the tooltip and the colour, as the model gives them.
#include "webU.h"

#include "win_text.h"

#include <commctrl.h>

#include <algorithm>

namespace zef {

// The edit control counts wrapped display lines; a plan line ends only at CR LF.
std::int32_t TForm1::caretLine() const
{
    DWORD start = 0;
    SendMessageW(Memo4, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const std::wstring text = Wide(WindowTextUtf8(Memo4));
    const auto end = text.begin() + std::min<std::size_t>(start, text.size());
    return static_cast<std::int32_t>(std::count(text.begin(), end, L'\n')) + 1;
}

void TForm1::insertAtCaret(const std::string& text)
{
    SetForegroundWindow(hwnd());
    SetFocus(Memo4);
    SendMessageW(Memo4, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(EditText(text).c_str()));
}

void TForm1::showPreviewLine(const PreviewLabel& label)
{
    previewWarning_ = label.warning;
    SetWindowTextW(Label1, Wide(label.text).c_str());
    std::wstring tip = EditText(label.tip);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = GroupBox3;
    info.uId = reinterpret_cast<UINT_PTR>(Label1);
    info.lpszText = tip.data();
    SendMessageW(previewTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void TForm1::startPreviewTimer(std::chrono::milliseconds pause)
{
    SetTimer(hwnd(), kPreviewTimer, static_cast<UINT>(pause.count()), nullptr);
}

// To the window's thread; a preview the window can no longer take is dropped.
void TForm1::deliverPreview(PlanPreview preview)
{
    auto delivered = std::make_unique<PlanPreview>(std::move(preview));
    if (PostMessageW(hwnd(), kPreviewMessage, 0, reinterpret_cast<LPARAM>(delivered.get()))) {
        delivered.release();
    }
}

}  // namespace zef
