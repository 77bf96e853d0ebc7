// The window's designed layout: fixed positions and sizes in pixels at 96
// dpi, scaled to the monitor's DPI; the controls do not follow resizing.
#include "webU.h"

#include "dpi.h"
#include "resource_ids.h"
#include "win_text.h"
#include "window_fonts.h"
#include "window_layout.h"
#include "window_texts.h"

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

namespace zef {

namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

enum ControlId : int {
    kMemo4Id = 1004,
    kMemo3Id = 1003,
    kButton3Id = 1103,
    kButton6Id = 1106,
    kButton7Id = 1107,
    kIntroSwitchId = 1201,
    kLabel1Id = 1202,
    kGroupFrameId = 1300,
    kImage1Id = 1400,
};

struct Placement {
    HWND TForm1::*control;
    layout::DesignedRect designed;  // in the parent's client area
};

// In the window design's order of tabbing: the editor, the report, the
// refresh, the reset, the switch, then the chart; the preview line between
// the switch and "Graf".
constexpr Placement kPlacements[] = {
    {&TForm1::Image1, layout::kImage1},
    {&TForm1::GroupBox3, layout::kGroupBox3},
    {&TForm1::GroupBox3Frame, {0, 0, layout::kGroupBox3.width, layout::kGroupBox3.height}},
    {&TForm1::Memo4, layout::kMemo4},
    {&TForm1::Memo3, layout::kMemo3},
    {&TForm1::Button3, layout::kButton3},
    {&TForm1::Button6, layout::kButton6},
    {&TForm1::chbIntro, layout::kIntroSwitch},
    {&TForm1::Button7, layout::kButton7},
    {&TForm1::Label1, layout::kLabel1}};

const WindowClass& MainClass()
{
    static const WindowClass windowClass(L"ZeF.TForm1", CS_DBLCLKS, COLOR_BTNFACE,
                                         LoadIconW(ProgramInstance(), MAKEINTRESOURCEW(ZEF_ICON)));
    return windowClass;
}

HWND MakeControl(HWND parent, const wchar_t* className, std::string_view caption, DWORD style, int id,
                 DWORD exStyle = 0)
{
    return CreateWindowExW(exStyle, className, Wide(caption).c_str(), WS_CHILD | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
}

HWND MakeEdit(HWND parent, int id)
{
    // No ES_AUTOHSCROLL and no horizontal scroll bar: long lines wrap.
    const HWND edit =
        MakeControl(parent, L"EDIT", "",
                    WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                    id, WS_EX_CLIENTEDGE);
    // A multi-line edit holds 32 KB unless told otherwise; 0 lifts the limit.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    return edit;
}

// A tooltip for `tool`, a control of `parent`; its text comes with TTM_UPDATETIPTEXTW.
HWND MakeTip(HWND window, HWND parent, HWND tool)
{
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                     0, 0, 0, 0, window, nullptr, ProgramInstance(), nullptr);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = parent;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    // Wide enough for the longest line; a tip of several lines breaks at its line ends.
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 600);
    return tip;
}

SIZE DesignedFrame(UINT dpi)
{
    return FrameSizeFor(Scaled(layout::kClientWidth, dpi), Scaled(layout::kClientHeight, dpi), kWindowStyle, 0, dpi);
}

int TextWidth(HWND control, HFONT font)
{
    const std::wstring text = Wide(WindowTextUtf8(control));
    const WindowDC dc(control);
    const Selected selected(dc.get(), font);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int ControlWidth(HWND control)
{
    RECT area{};
    GetClientRect(control, &area);
    return area.right - area.left;
}

void SetFont(HWND control, HFONT font) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

}  // namespace

bool TForm1::createMainWindow()
{
    dpi_ = WindowDpi(nullptr);
    const SIZE frame = DesignedFrame(dpi_);
    return create(MainClass(), 0, Wide(kDesignedCaption).c_str(), kWindowStyle,
                  RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + frame.cx, CW_USEDEFAULT + frame.cy}, nullptr);
}

void TForm1::BuildLayout()
{
    // The picture itself is loaded only when an intro starts (LoadGLTextures).
    Image1 = MakeControl(hwnd(), L"STATIC", "", SS_BITMAP, kImage1Id);

    group_ = std::make_unique<ControlGroup>(hwnd(), RECT{});
    GroupBox3 = group_->hwnd();
    // Made in the order of tabbing; the frame last, under all of them.
    Memo4 = MakeEdit(GroupBox3, kMemo4Id);
    editor_ = std::make_unique<PlanEditor>(
        Memo4, [this] { model_.Memo4Catalogue(); }, [this] { model_.BestPlanClick(); });
    Memo3 = MakeEdit(GroupBox3, kMemo3Id);
    Button3 = MakeControl(GroupBox3, L"BUTTON", kRefreshButton, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kButton3Id);
    Button6 = MakeControl(GroupBox3, L"BUTTON", kResetButton, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kButton6Id);
    chbIntro =
        MakeControl(GroupBox3, L"BUTTON", kIntroSwitch, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, kIntroSwitchId);
    Button7 = MakeControl(GroupBox3, L"BUTTON", kChartButton, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kButton7Id);
    // SS_NOTIFY: the mouse reaches it, and so its tooltip shows.
    Label1 =
        MakeControl(GroupBox3, L"STATIC", "", WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS | SS_NOTIFY, kLabel1Id);
    previewTip_ = MakeTip(hwnd(), GroupBox3, Label1);
    GroupBox3Frame = MakeControl(GroupBox3, L"BUTTON", kGroupCaption, WS_VISIBLE | BS_GROUPBOX, kGroupFrameId);
    reportView_ = std::make_unique<ReportView>(Memo3);

    // Created at the system's DPI; the monitor the window landed on may have another.
    dpi_ = WindowDpi(hwnd());
    const SIZE frame = DesignedFrame(dpi_);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Placed first: a caption's room is its control's width.
    ApplyLayout();
    MakeFonts();
}

// The window's face is a bitmap face, drawn well only at the sizes it holds,
// so above 96 dpi its TrueType twin "Microsoft Sans Serif" takes its place.
// The old faces go only once no control uses them.
void TForm1::MakeFonts()
{
    const std::wstring face = dpi_ == kDesignDpi ? Wide(layout::kWindowFace) : L"Microsoft Sans Serif";
    FontHandle windowFont = PixelFont(face, layout::kWindowFontPixels, dpi_);
    FontHandle reportFont =
        PixelFont(Wide(layout::kReportFace), layout::kReportFontPixels, dpi_, FIXED_PITCH | FF_MODERN);
    std::vector<FontHandle> fittedFonts;
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(windowFont.get()), FALSE);
    for (const HWND control : {Image1, GroupBox3Frame, Memo4, Label1}) {
        SetFont(control, windowFont.get());
    }
    SetFont(Memo3, reportFont.get());

    const int buttonPadding = Scaled(6, dpi_);
    const int checkPadding = Scaled(13 + 6, dpi_);  // the box and the gap before the caption
    const std::pair<HWND, int> captions[] = {
        {Button6, buttonPadding}, {Button3, buttonPadding}, {Button7, buttonPadding}, {chbIntro, checkPadding}};
    for (const auto& [control, padding] : captions) {
        const int room = ControlWidth(control) - padding;
        HFONT font = windowFont.get();
        for (int pixels = layout::kWindowFontPixels - 1;
             TextWidth(control, font) > room && pixels >= layout::kSmallestCaptionPixels; --pixels) {
            fittedFonts.push_back(PixelFont(face, pixels, dpi_));
            font = fittedFonts.back().get();
        }
        SetFont(control, font);
    }
    windowFont_ = std::move(windowFont);
    reportFont_ = std::move(reportFont);
    fittedFonts_ = std::move(fittedFonts);
}

void TForm1::ApplyLayout()
{
    for (const Placement& placement : kPlacements) {
        const layout::DesignedRect& r = placement.designed;
        MoveWindow(this->*placement.control, Scaled(r.left, dpi_), Scaled(r.top, dpi_), Scaled(r.width, dpi_),
                   Scaled(r.height, dpi_), TRUE);
    }
}

void TForm1::DpiChanged(UINT dpi, const RECT& suggested)
{
    dpi_ = dpi;
    ApplyLayout();
    MakeFonts();
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zef
