// The window's side of the preview: the editor's changes start it after a
// pause in typing, and its result fills the preview line between the intro
// switch and "Graf", as in the Qt window.
#include "webU.h"

#include "win_text.h"

#include <algorithm>

namespace zef {

namespace {

// Long enough that a preview waits for a pause in typing, short enough that
// it seems to follow every key.
constexpr UINT kPreviewPauseMs = 150;

// The line of the editor's text (from 1) that holds the caret. The edit
// control counts wrapped display lines; a plan line ends only at CR LF.
std::int32_t CaretLine(HWND editor)
{
    DWORD start = 0;
    SendMessageW(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const std::wstring text = Wide(WindowTextUtf8(editor));
    const auto end = text.begin() + std::min<std::size_t>(start, text.size());
    return static_cast<std::int32_t>(std::count(text.begin(), end, L'\n')) + 1;
}

}  // namespace

void TForm1::Memo4Change()
{
    previewWorker_.cancel();
    SetTimer(hwnd(), kPreviewTimer, kPreviewPauseMs, nullptr);
    // Greyed until the preview of the text as it now stands comes.
    EnableWindow(Label1, FALSE);
}

void TForm1::RequestPreview()
{
    KillTimer(hwnd(), kPreviewTimer);
    // This window's chart shows only the last refresh, never the preview.
    previewWorker_.request(WindowTextUtf8(Memo4), ChartRecording::NotWanted);
}

void TForm1::ShowPreview(std::unique_ptr<PlanPreview> preview)
{
    if (!previewWorker_.current(*preview)) {
        return;
    }
    preview_ = std::move(*preview);
    EnableWindow(Label1, TRUE);
    ShowPreviewLabel();
}

void TForm1::ShowPreviewLabel()
{
    if (preview_) {
        SetWindowTextW(Label1, Wide(PreviewLabelFor(*preview_, CaretLine(Memo4)).text).c_str());
    }
}

}  // namespace zef
