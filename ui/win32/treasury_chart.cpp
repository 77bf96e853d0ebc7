#include "treasury_chart.h"

#include "chart_export.h"
#include "dib_picture.h"
#include "dpi.h"
#include "file_replace.h"
#include "gdi_canvas.h"
#include "resource_ids.h"
#include "win_text.h"
#include "window_dialogs.h"
#include "window_texts.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace zef {

namespace {

constexpr int kWidth = 800;  // client area at 96 dpi, as the Qt window's
constexpr int kHeight = 500;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 24;
constexpr int kMargin = 8;
constexpr int kHoverPixels = 6;  // how near a curve the pointer must be
constexpr int kSavePngId = 201;
constexpr int kSaveSvgId = 202;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

const WindowClass& ChartClass()
{
    static const WindowClass windowClass(L"ZeF.TreasuryChart", CS_HREDRAW | CS_VREDRAW, COLOR_BTNFACE,
                                         LoadIconW(ProgramInstance(), MAKEINTRESOURCEW(ZEF_ICON)));
    return windowClass;
}

// Where the drawn curve stands at `turn`: between two of its points, on the
// line that joins them.
std::optional<double> CurveValueAt(const ChartCurve& curve, double turn)
{
    for (const auto& piece : curve) {
        if (piece.empty() || turn < piece.front().turn || turn > piece.back().turn) {
            continue;
        }
        const auto after = std::lower_bound(piece.begin(), piece.end(), turn,
                                            [](const ChartPoint& p, double t) { return p.turn < t; });
        if (after == piece.begin()) {
            return after->value;
        }
        const ChartPoint& a = *std::prev(after);
        const ChartPoint& b = *after;
        const double share = b.turn > a.turn ? (turn - a.turn) / (b.turn - a.turn) : 0;
        return a.value + (b.value - a.value) * share;
    }
    return std::nullopt;
}

std::wstring Filter(std::string_view description, const wchar_t* pattern)
{
    std::wstring filter = Wide(description);
    filter += L'\0';
    filter += pattern;
    filter += L'\0';
    return filter;
}

}  // namespace

TreasuryChart::TreasuryChart(HWND owner)
{
    if (!create(ChartClass(), WS_EX_CONTROLPARENT, Wide(kChartWindowTitle).c_str(), kStyle,
                RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + kWidth, CW_USEDEFAULT + kHeight}, owner)) {
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
    tip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, ProgramInstance(), nullptr);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = hwnd();
    tool.uId = 1;
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // A width makes the tip take its line breaks.
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, 600);
    MakeFont();
    const SIZE frame = FrameSizeFor(Scaled(kWidth, dpi_), Scaled(kHeight, dpi_), kStyle, WS_EX_CONTROLPARENT, dpi_);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

TreasuryChart::~TreasuryChart() { destroy(); }

void TreasuryChart::MakeFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = -Scaled(12, dpi_);
    FontHandle font(CreateFontIndirectW(&metrics.lfMessageFont));
    for (const HWND control : {savePng_, saveSvg_}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
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

void TreasuryChart::showRecording(const TurnRecording& recording)
{
    recording_ = recording;
    model_ = MakeChartModel(recording);
    HideTip();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void TreasuryChart::showAndActivate()
{
    ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd());
    SetActiveWindow(hwnd());
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
                plot_ = DrawChart(canvas, model_, size.cx, size.cy, ScaleOf(dpi_));
            }
            BitBlt(dc, 0, 0, size.cx, size.cy, memory.get(), 0, 0, SRCCOPY);
        }
    }
    EndPaint(hwnd(), &paint);
}

std::string TreasuryChart::tipAt(int x, int y) const
{
    if (!plot_ || !plot_->contains(x, y)) {
        return {};
    }
    const double turn = plot_->turnAt(x);
    const double reach = Scaled(kHoverPixels, dpi_);
    for (const ChartCurve* curve : {&model_.gold, &model_.mana}) {
        const std::optional<double> value = CurveValueAt(*curve, turn);
        if (value && std::fabs(plot_->yOf(*value) - y) <= reach) {
            if (const TurnSample* sample = NearestSample(recording_, turn)) {
                return TurnTip(*sample, UnitOfLine(recording_, sample->fileLine));
            }
        }
    }
    for (const ChartLineStart& line : model_.lineStarts) {
        if (std::fabs(plot_->xOf(line.turn) - x) <= reach / 2) {
            return LineStartTip(line.fileLine);
        }
    }
    return {};
}

void TreasuryChart::MouseMove(int x, int y)
{
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    const std::string tip = tipAt(x, y);
    if (tip.empty()) {
        HideTip();
        return;
    }
    const std::wstring text = EditText(tip);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd();
    tool.uId = 1;
    if (text != tipText_) {
        tipText_ = text;
        tool.lpszText = tipText_.data();
        SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    POINT at{x, y};
    ClientToScreen(hwnd(), &at);
    const int offset = Scaled(16, dpi_);
    SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x + offset, at.y + offset));
    SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void TreasuryChart::HideTip()
{
    if (tip_ == nullptr) {
        return;
    }
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd();
    tool.uId = 1;
    SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

bool TreasuryChart::exportPng(const std::filesystem::path& path)
{
    const SIZE size = ChartSize();
    const std::optional<std::string> png = ChartPng(model_, size.cx, size.cy, dpi_);
    return png && !ReplaceFileVerified(path, *png);
}

std::string TreasuryChart::svgDocument()
{
    const SIZE size = ChartSize();
    return ChartSvg(model_, size.cx, size.cy, dpi_);
}

bool TreasuryChart::exportSvg(const std::filesystem::path& path) { return !ReplaceFileVerified(path, svgDocument()); }

void TreasuryChart::AskAndExport(bool png)
{
    const std::wstring filter = png ? Filter(kPngFilter, L"*.png") : Filter(kSvgFilter, L"*.svg");
    const wchar_t* suffix = png ? L"png" : L"svg";
    std::wstring file = std::wstring(L"graf.") + suffix;
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
    if (!(png ? exportPng(path) : exportSvg(path))) {
        ShowMessageBox(hwnd(), ChartNotSavedMessage(Utf8(path.wstring())), kQuestionCaption, MB_OK | MB_ICONERROR);
    }
}

bool TreasuryChart::preTranslateMessage(MSG& message)
{
    if (hwnd() == nullptr || GetAncestor(message.hwnd, GA_ROOT) != hwnd()) {
        return false;
    }
    return IsDialogMessageW(hwnd(), &message) != FALSE;
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
    case WM_MOUSEMOVE: MouseMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        HideTip();
        return 0;
    case WM_DESTROY:
        // The tip is owned by this window and goes with it.
        tip_ = nullptr;
        return 0;
    case WM_CLOSE:
        // Closing only hides it: the next "Graf" shows it again.
        HideTip();
        ShowWindow(hwnd(), SW_HIDE);
        return 0;
    case WM_DPICHANGED: {
        dpi_ = HIWORD(wParam);
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        MakeFont();
        SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        Layout();
        return 0;
    }
    default: return defaultHandling(message, wParam, lParam);
    }
}

}  // namespace zef
