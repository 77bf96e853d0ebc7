#include "treasury_chart.h"

#include "chart_png.h"
#include "dib_picture.h"
#include "dpi.h"
#include "file_replace.h"
#include "gdi_canvas.h"
#include "resource_ids.h"
#include "win_text.h"
#include "window_dialogs.h"
#include "window_fonts.h"
#include "window_texts.h"

#include <commdlg.h>

#include <algorithm>

namespace zef {

namespace {

constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 24;
constexpr int kMargin = 8;
constexpr int kButtonRow = 2 * kMargin + kButtonHeight;
constexpr int kSavePngId = 201;
constexpr int kSaveSvgId = 202;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

const WindowClass& ChartClass()
{
    static const WindowClass windowClass(L"ZeF.TreasuryChart", CS_HREDRAW | CS_VREDRAW, COLOR_BTNFACE,
                                         LoadIconW(ProgramInstance(), MAKEINTRESOURCEW(ZEF_ICON)));
    return windowClass;
}

// Where a mouse message happened, in the client area (signed: a captured
// pointer may be left or above it).
CanvasPoint PointerAt(LPARAM lParam)
{
    return {double(static_cast<short>(LOWORD(lParam))), double(static_cast<short>(HIWORD(lParam)))};
}

}  // namespace

TreasuryChart::TreasuryChart(HWND owner)
{
    if (!create(ChartClass(), WS_EX_CONTROLPARENT, Wide(kChartWindowTitle).c_str(), kStyle,
                RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + kChartWidth, CW_USEDEFAULT + kChartHeight}, owner)) {
        return;
    }
    dpi_ = WindowDpi(hwnd());
    const auto button = [&](std::string_view caption, int id) {
        return CreateWindowExW(0, L"BUTTON", Wide(caption).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                               0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(),
                               nullptr);
    };
    savePng_ = button(kSavePngButton, kSavePngId);
    saveSvg_ = button(kSaveSvgButton, kSaveSvgId);
    MakeFont();
    const SIZE frame = FrameSizeFor(Scaled(kChartWidth, dpi_), Scaled(kChartHeight + kButtonRow, dpi_), kStyle,
                                    WS_EX_CONTROLPARENT, dpi_);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

TreasuryChart::~TreasuryChart() { destroy(); }

void TreasuryChart::MakeFont()
{
    FontHandle font = MessageFont(12, dpi_);
    SetFont({savePng_, saveSvg_}, font);
    font_ = std::move(font);
}

// The buttons in the bottom right corner; the chart takes the rest.
void TreasuryChart::Layout()
{
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int width = Scaled(kButtonWidth, dpi_);
    const int height = Scaled(kButtonHeight, dpi_);
    const int margin = Scaled(kMargin, dpi_);
    const int top = client.bottom - margin - height;
    MoveWindow(saveSvg_, client.right - margin - width, top, width, height, TRUE);
    MoveWindow(savePng_, client.right - 2 * (margin + width) + margin / 2, top, width, height, TRUE);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

SIZE TreasuryChart::ChartSize() const
{
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int buttons = 2 * Scaled(kMargin, dpi_) + Scaled(kButtonHeight, dpi_);
    return {client.right, std::max(0L, client.bottom - buttons)};
}

void TreasuryChart::showRecording(const TurnRecording& recording, ChartSource source)
{
    core_.show(recording, source);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

// Drawn off screen first, so that a long curve does not flicker.
void TreasuryChart::Paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd(), &paint);
    const SIZE size = ChartSize();
    RECT client{};
    GetClientRect(hwnd(), &client);
    RECT buttonRow{0, size.cy, client.right, client.bottom};
    FillRect(dc, &buttonRow, GetSysColorBrush(COLOR_BTNFACE));
    if (size.cx > 0 && size.cy > 0) {
        DibPicture picture = MakeDibPicture(dc, size.cx, size.cy);
        {
            const MemoryDC memory(dc, picture.bitmap.get());
            {
                GdiCanvas canvas(memory.get());
                core_.paint(canvas, size.cx, size.cy, ScaleOf(dpi_));
            }
            BitBlt(dc, 0, 0, size.cx, size.cy, memory.get(), 0, 0, SRCCOPY);
        }
    }
    EndPaint(hwnd(), &paint);
}

void TreasuryChart::Redraw(bool needed)
{
    if (needed) {
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

// The chart as it is shown, in a file the player names.
void TreasuryChart::AskAndExport(bool png)
{
    const wchar_t* suffix = png ? L"png" : L"svg";
    const std::wstring filter = Wide(png ? kPngFilter : kSvgFilter) + L'\0' + L"*." + suffix + L'\0';
    std::wstring file = Wide(kChartFileStem) + L'.' + suffix;
    file.resize(32768, L'\0');
    const std::wstring title = Wide(kSaveChartTitle);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    // The suffix is added when the name has none.
    dialog.lpstrDefExt = suffix;
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    BOOL chosen = FALSE;
    {
        ModalBox box;
        chosen = GetSaveFileNameW(&dialog);
    }
    if (!chosen || hwnd() == nullptr) {
        return;
    }
    const std::filesystem::path path(file.c_str());
    const SIZE size = ChartSize();
    const std::optional<std::string> bytes = png ? ChartPng(core_.model(), size.cx, size.cy, dpi_)
                                                 : ChartSvg(core_.model(), size.cx, size.cy, ScaleOf(dpi_));
    if (!bytes || ReplaceFileVerified(path, *bytes)) {
        ShowMessageBox(hwnd(), ChartNotSavedMessage(Utf8(path.wstring())), Wide(kQuestionCaption),
                       MB_OK | MB_ICONERROR);
    }
}

LRESULT TreasuryChart::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kSavePngId || LOWORD(wParam) == kSaveSvgId) {
            AskAndExport(LOWORD(wParam) == kSavePngId);
        }
        return 0;
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND:
        // Paint covers everything: the chart from its picture, the rest.
        return 1;
    case WM_SIZE: Layout(); return 0;
    case WM_MOUSEMOVE:
        if (!tracking_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
            tracking_ = TrackMouseEvent(&track) != FALSE;
        }
        Redraw(core_.pointerMoved(PointerAt(lParam)));
        return 0;
    case WM_LBUTTONDOWN: Redraw(core_.clicked(PointerAt(lParam))); return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        Redraw(core_.pointerLeft());
        return 0;
    default: return SecondWindow::handle(message, wParam, lParam);
    }
}

}  // namespace zef
