#include "best_plan_window.h"

#include "dpi.h"
#include "plan_progress.h"
#include "report_format.h"
#include "resource_ids.h"
#include "win_text.h"
#include "window_fonts.h"
#include "window_layout.h"
#include "window_model.h"
#include "window_texts.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>
#include <limits>
#include <memory>

namespace zef {

namespace {

constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
// A task handed over from the search's thread.
constexpr UINT kDeliverMessage = WM_APP + 30;

enum ControlId : int { kSearchId = 301, kApplyId, kChartId };

const WindowClass& SearchClass()
{
    static const WindowClass windowClass(L"ZeF.BestPlan", 0, COLOR_BTNFACE,
                                         LoadIconW(ProgramInstance(), MAKEINTRESOURCEW(ZEF_ICON)));
    return windowClass;
}

// Where each control stands, designed at 96 dpi: the question, the units and
// the reserve on the left above the search; the answer on the right above
// what to do with it.
struct Placement {
    HWND BestPlanWindow::*control;
    int left, top, width, height;
};

// The number in a box of digits, kept within what the box allows, as a
// spin box keeps it; an empty box is its least.
int NumberIn(HWND box, int least, int most)
{
    const std::string text = WindowTextUtf8(box);
    long long number = least;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return static_cast<int>(std::clamp<long long>(number, least, most));
}

void SetNumber(HWND box, std::int64_t number) { SetWindowTextW(box, std::to_wstring(number).c_str()); }

}  // namespace

BestPlanWindow::BestPlanWindow(HWND owner, WindowModel& model) : model_(model)
{
    const UINT ownerDpi = WindowDpi(owner);
    const SIZE frame = FrameSizeFor(Scaled(layout::kBestPlanWidth, ownerDpi), Scaled(layout::kBestPlanHeight, ownerDpi),
                                    kStyle, kExStyle, ownerDpi);
    if (!create(SearchClass(), kExStyle, Wide(kBestPlanTitle).c_str(), kStyle,
                RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + frame.cx, CW_USEDEFAULT + frame.cy}, owner)) {
        return;
    }
    dpi_ = WindowDpi(hwnd());
    mostDamage_ = Control(L"BUTTON", kBestPlanMostDamage, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
    turns_ = NumberBox();
    fewestTurns_ = Control(L"BUTTON", kBestPlanFewestTurns, BS_AUTORADIOBUTTON);
    damage_ = NumberBox();
    unitsLabel_ = Control(L"STATIC", kBestPlanUnits, 0);
    units_ = Control(WC_LISTVIEWW, "", WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL);
    SendMessageW(units_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    SendMessageW(units_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    reserveLabel_ = Control(L"STATIC", kBestPlanReserve, 0);
    reserve_ = NumberBox();
    search_ = Control(L"BUTTON", kBestPlanSearch, WS_TABSTOP | BS_DEFPUSHBUTTON, kSearchId);
    progress_ = Control(PROGRESS_CLASSW, "", 0);
    SendMessageW(progress_, PBM_SETRANGE32, 0, kProgressSteps);
    answer_ = Control(L"EDIT", "", WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY);
    apply_ = Control(L"BUTTON", kBestPlanApply, WS_TABSTOP | BS_PUSHBUTTON, kApplyId);
    chart_ = Control(L"BUTTON", kBestPlanChart, WS_TABSTOP | BS_PUSHBUTTON, kChartId);
    MakeFonts();
    Layout();
    showAnswer({}, false);
}

BestPlanWindow::~BestPlanWindow() { destroy(); }

HWND BestPlanWindow::Control(const wchar_t* windowClass, std::string_view text, DWORD style, int id)
{
    return CreateWindowExW(0, windowClass, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
}

HWND BestPlanWindow::NumberBox() { return Control(L"EDIT", "", WS_TABSTOP | WS_BORDER | ES_NUMBER | ES_RIGHT); }

void BestPlanWindow::MakeFonts()
{
    font_ = MessageFont(12, dpi_);
    answerFont_ = PixelFont(Wide(layout::kReportFace), layout::kReportFontPixels, dpi_, FIXED_PITCH | FF_MODERN);
    SetFont({mostDamage_, fewestTurns_, turns_, damage_, unitsLabel_, units_, reserveLabel_, reserve_, search_, apply_,
             chart_},
            font_);
    SetFont({answer_}, answerFont_);
}

void BestPlanWindow::Layout()
{
    static constexpr Placement kPlacements[] = {
        {&BestPlanWindow::mostDamage_, 8, 8, 220, 20},     {&BestPlanWindow::turns_, 232, 8, 76, 20},
        {&BestPlanWindow::fewestTurns_, 8, 34, 220, 20},   {&BestPlanWindow::damage_, 232, 34, 76, 20},
        {&BestPlanWindow::unitsLabel_, 8, 62, 300, 16},    {&BestPlanWindow::units_, 8, 80, 300, 176},
        {&BestPlanWindow::reserveLabel_, 8, 264, 300, 16}, {&BestPlanWindow::reserve_, 232, 284, 76, 20},
        {&BestPlanWindow::search_, 8, 322, 100, 28},       {&BestPlanWindow::progress_, 116, 326, 192, 20},
        {&BestPlanWindow::answer_, 316, 8, 396, 306},      {&BestPlanWindow::apply_, 316, 322, 100, 28},
        {&BestPlanWindow::chart_, 424, 322, 100, 28},
    };
    for (const Placement& placement : kPlacements) {
        MoveWindow(this->*placement.control, Scaled(placement.left, dpi_), Scaled(placement.top, dpi_),
                   Scaled(placement.width, dpi_), Scaled(placement.height, dpi_), TRUE);
    }
    SendMessageW(units_, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
}

void BestPlanWindow::showOffer(const BestPlanOffer& offer)
{
    SendMessageW(units_, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t row = 0; row < offer.rows.size(); ++row) {
        std::wstring text = Wide(offer.rows[row].cells[0] + "  " + offer.rows[row].cells[1]);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(row);
        item.pszText = text.data();
        item.lParam = static_cast<LPARAM>(offer.rows[row].number);
        const auto index = SendMessageW(units_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        LVITEMW ticked{};
        ticked.stateMask = LVIS_STATEIMAGEMASK;
        ticked.state = INDEXTOSTATEIMAGEMASK(2);
        SendMessageW(units_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ticked));
    }
    SendMessageW(units_, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
    SetNumber(turns_, offer.turns);
    SetNumber(damage_, std::min<std::int64_t>(offer.damage, std::numeric_limits<int>::max()));
    SetNumber(reserve_, offer.choice.reserve);
    const bool mostDamage = offer.choice.question == BestPlanQuestion::MostDamage;
    SendMessageW(mostDamage_, BM_SETCHECK, mostDamage ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(fewestTurns_, BM_SETCHECK, mostDamage ? BST_UNCHECKED : BST_CHECKED, 0);
    showSearching(false);
    showAnswer({}, false);
}

BestPlanChoice BestPlanWindow::Choice() const
{
    BestPlanChoice choice;
    const bool mostDamage = SendMessageW(mostDamage_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    choice.question = mostDamage ? BestPlanQuestion::MostDamage : BestPlanQuestion::FewestTurns;
    choice.target =
        mostDamage ? NumberIn(turns_, 1, kMaxBestPlanTurns) : NumberIn(damage_, 1, std::numeric_limits<int>::max());
    const int rows = static_cast<int>(SendMessageW(units_, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        const auto state = SendMessageW(units_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        if ((state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2) &&
            SendMessageW(units_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) {
            choice.rows.push_back(item.lParam);
        }
    }
    choice.reserve = NumberIn(reserve_, 0, kProjectionTurns);
    return choice;
}

void BestPlanWindow::SearchClicked()
{
    if (searching_) {
        model_.bestPlan().cancel();
        return;
    }
    const BestPlanChoice choice = Choice();
    // The numbers as the search takes them, as a spin box would have kept them.
    SetNumber(choice.question == BestPlanQuestion::MostDamage ? turns_ : damage_, choice.target);
    SetNumber(reserve_, choice.reserve);
    model_.bestPlan().start(choice);
}

void BestPlanWindow::showSearching(bool searching)
{
    searching_ = searching;
    SetWindowTextW(search_, Wide(searching ? kCancelButton : kBestPlanSearch).c_str());
    SendMessageW(progress_, PBM_SETPOS, 0, 0);
    ShowWindow(progress_, searching ? SW_SHOW : SW_HIDE);
}

void BestPlanWindow::showProgress(int stepsDone) { SendMessageW(progress_, PBM_SETPOS, stepsDone, 0); }

void BestPlanWindow::showAnswer(const std::string& text, bool answered)
{
    SetWindowTextW(answer_, EditText(text).c_str());
    EnableWindow(apply_, answered ? TRUE : FALSE);
    EnableWindow(chart_, answered ? TRUE : FALSE);
}

void BestPlanWindow::deliverProgress(std::uint64_t search, int stepsDone)
{
    Deliver([this, search, stepsDone] { model_.bestPlan().progressArrived(search, stepsDone); });
}

void BestPlanWindow::deliverOutcome(BestPlanOutcome outcome)
{
    Deliver([this, outcome = std::move(outcome)]() mutable { model_.bestPlan().outcomeArrived(std::move(outcome)); });
}

// To the window's thread; a task the window can no longer take is dropped.
void BestPlanWindow::Deliver(std::function<void()> task)
{
    auto delivered = std::make_unique<std::function<void()>>(std::move(task));
    if (PostMessageW(hwnd(), kDeliverMessage, 0, reinterpret_cast<LPARAM>(delivered.get()))) {
        delivered.release();
    }
}

LRESULT BestPlanWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kDeliverMessage: {
        const std::unique_ptr<std::function<void()>> task(reinterpret_cast<std::function<void()>*>(lParam));
        (*task)();
        return 0;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kSearchId) {
            SearchClicked();
        } else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kApplyId) {
            model_.bestPlanApply();
        } else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kChartId) {
            model_.bestPlanChart();
        }
        return 0;
    case WM_SETFOCUS: SetFocus(search_); return 0;
    default: return SecondWindow::handle(message, wParam, lParam);
    }
}

}  // namespace zef
