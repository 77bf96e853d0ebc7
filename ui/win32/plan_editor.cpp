#include "plan_editor.h"

#include "dpi.h"
#include "gdi_canvas.h"
#include "win_handles.h"
#include "win_text.h"
#include "window_layout.h"
#include "window_texts.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>

namespace zef {

namespace {

constexpr UINT_PTR kSubclassId = 1;
// The menu's other commands are the edit messages they send.
constexpr UINT kUnitListCommandId = 1;
constexpr UINT kBestPlanCommandId = 2;

// The messages after which the control may have drawn over a wave: it draws
// typed text, a selection and a scrolled view at once, not only when painting.
constexpr std::array kDrawingMessages{WM_PAINT,     WM_CHAR,       WM_KEYDOWN, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                      WM_MOUSEMOVE, WM_MOUSEWHEEL, WM_VSCROLL, WM_TIMER};

// Where a character of the control's text stands, in its client area.
POINT PositionOf(HWND editor, std::size_t character)
{
    const LRESULT position = SendMessageW(editor, EM_POSFROMCHAR, character, 0);
    return {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
}

// A zigzag `step` pixels high and wide from `left` to `right`, its low points on `bottom`.
void Wave(HDC dc, int left, int right, int bottom, int step)
{
    std::vector<POINT> points;
    for (int x = left, up = 0; x < right + step; x += step, up ^= 1) {
        points.push_back({std::min(x, right), bottom - up * step});
    }
    Polyline(dc, points.data(), static_cast<int>(points.size()));
}

}  // namespace

PlanEditor::PlanEditor(HWND editor, std::function<void()> unitList, std::function<void()> bestPlan)
    : editor_(editor), unitList_(std::move(unitList)), bestPlan_(std::move(bestPlan))
{
    SetWindowSubclass(editor_, Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

PlanEditor::~PlanEditor() { RemoveWindowSubclass(editor_, Procedure, kSubclassId); }

void PlanEditor::underline(std::vector<std::int32_t> lines)
{
    lines_ = std::move(lines);
    InvalidateRect(editor_, nullptr, TRUE);
}

LRESULT CALLBACK PlanEditor::Procedure(HWND editor, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self)
{
    auto& plan = *reinterpret_cast<PlanEditor*>(self);
    if (message == WM_CONTEXTMENU) {
        plan.ContextMenu(lParam);
        return 0;
    }
    const LRESULT result = DefSubclassProc(editor, message, wParam, lParam);
    if (std::find(kDrawingMessages.begin(), kDrawingMessages.end(), message) != kDrawingMessages.end()) {
        plan.PaintWaves();
    }
    return result;
}

// Each plan line with a warning, over as many rows as the control wraps it in.
void PlanEditor::PaintWaves() const
{
    if (lines_.empty() || !IsWindowVisible(editor_)) {
        return;
    }
    const std::wstring text = Wide(WindowTextUtf8(editor_));
    const WindowDC dc(editor_);
    const Selected font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(editor_, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    const int step = std::max(2, Scaled(2, WindowDpi(editor_)));
    const PenHandle pen(CreatePen(PS_SOLID, 1, Colour(layout::kWarningWaveColour)));
    const Selected selectedPen(dc.get(), pen.get());
    std::size_t start = 0;
    for (std::int32_t line = 1; start <= text.size(); ++line) {
        const std::size_t next = std::min(text.find(L'\n', start), text.size());
        const std::size_t end = next > start && text[next - 1] == L'\r' ? next - 1 : next;
        if (end > start && std::binary_search(lines_.begin(), lines_.end(), line)) {
            const auto lastRow = SendMessageW(editor_, EM_LINEFROMCHAR, end - 1, 0);
            for (auto row = SendMessageW(editor_, EM_LINEFROMCHAR, start, 0); row <= lastRow; ++row) {
                const auto rowStart = static_cast<std::size_t>(SendMessageW(editor_, EM_LINEINDEX, row, 0));
                const std::size_t from = std::max(start, rowStart);
                const std::size_t to = std::min<std::size_t>(
                    end, rowStart + static_cast<std::size_t>(SendMessageW(editor_, EM_LINELENGTH, rowStart, 0)));
                if (to <= from) {
                    continue;
                }
                SIZE last{};
                GetTextExtentPoint32W(dc.get(), &text[to - 1], 1, &last);
                const POINT left = PositionOf(editor_, from);
                Wave(dc.get(), left.x, PositionOf(editor_, to - 1).x + last.cx, left.y + metrics.tmHeight - 1, step);
            }
        }
        start = next + 1;
    }
}

// At the pointer, or at the caret when the keyboard asked for the menu.
void PlanEditor::ContextMenu(LPARAM at)
{
    DWORD selectionStart = 0;
    DWORD selectionEnd = 0;
    SendMessageW(editor_, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                 reinterpret_cast<LPARAM>(&selectionEnd));
    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (at == -1) {
        point = PositionOf(editor_, selectionEnd);
        ClientToScreen(editor_, &point);
    }
    const bool selected = selectionStart != selectionEnd;
    const struct {
        std::string text;  // none for a separator
        UINT command;
        bool enabled;
    } items[] = {{std::string(kUndoCommand), WM_UNDO, SendMessageW(editor_, EM_CANUNDO, 0, 0) != 0},
                 {"", 0, false},
                 {std::string(kCutCommand), WM_CUT, selected},
                 {std::string(kCopyCommand), WM_COPY, selected},
                 {std::string(kPasteCommand), WM_PASTE, IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE},
                 {std::string(kDeleteCommand), WM_CLEAR, selected},
                 {"", 0, false},
                 {std::string(kSelectAllCommand), EM_SETSEL, true},
                 {"", 0, false},
                 {std::string(kUnitListCommand), kUnitListCommandId, true},
                 {std::string(kBestPlanCommand), kBestPlanCommandId, true}};
    const HMENU menu = CreatePopupMenu();
    for (const auto& item : items) {
        const UINT flags = item.text.empty() ? MF_SEPARATOR : item.enabled ? MF_STRING : MF_STRING | MF_GRAYED;
        AppendMenuW(menu, flags, item.command, Wide(item.text).c_str());
    }
    SetFocus(editor_);
    const UINT command =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, editor_, nullptr));
    DestroyMenu(menu);
    if (command == kUnitListCommandId) {
        unitList_();
    } else if (command == kBestPlanCommandId) {
        bestPlan_();
    } else if (command == EM_SETSEL) {
        SendMessageW(editor_, EM_SETSEL, 0, -1);
    } else if (command != 0) {
        SendMessageW(editor_, command, 0, 0);
    }
}

}  // namespace zef
