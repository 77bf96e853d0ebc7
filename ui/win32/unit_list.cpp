#include "unit_list.h"

#include "dpi.h"
#include "win_text.h"
#include "window_layout.h"
#include "window_texts.h"

#include <commctrl.h>

namespace zef {

namespace {

constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

const WindowClass& ListClass()
{
    static const WindowClass windowClass(L"ZeF.UnitList", 0, COLOR_BTNFACE);
    return windowClass;
}

}  // namespace

UnitList::UnitList(HWND owner, std::function<void(int number)> chosen) : chosen_(std::move(chosen))
{
    const UINT dpi = WindowDpi(owner);
    const SIZE frame =
        FrameSizeFor(Scaled(layout::kUnitListWidth, dpi), Scaled(layout::kUnitListHeight, dpi), kStyle, kExStyle, dpi);
    if (!create(ListClass(), kExStyle, Wide(kUnitListTitle).c_str(), kStyle,
                RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + frame.cx, CW_USEDEFAULT + frame.cy}, owner)) {
        return;
    }
    RECT client{};
    GetClientRect(hwnd(), &client);
    list_ = CreateWindowExW(0, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0,
                            client.right, client.bottom, hwnd(), nullptr, ProgramInstance(), nullptr);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (std::size_t column = 0; column < kCatalogueTitles.size(); ++column) {
        std::wstring title = Wide(kCatalogueTitles[column]);
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_FMT;
        // Figures line up at the right, as in a table of numbers; the name at the left.
        info.fmt = column == 1 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        info.pszText = title.data();
        SendMessageW(list_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
    }
}

UnitList::~UnitList() { destroy(); }

void UnitList::showRows(const std::vector<CatalogueRow>& rows)
{
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].cells.size(); ++column) {
            std::wstring text = Wide(rows[row].cells[column]);
            LVITEMW item{};
            item.mask = column == 0 ? LVIF_TEXT | LVIF_PARAM : LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.iSubItem = static_cast<int>(column);
            item.pszText = text.data();
            item.lParam = rows[row].number;
            SendMessageW(list_, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
    // As wide as the widest cell, and never narrower than the title with room around it.
    for (std::size_t column = 0; column < kCatalogueTitles.size(); ++column) {
        SendMessageW(list_, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE);
        const LRESULT title = SendMessageW(list_, LVM_GETSTRINGWIDTHW, 0,
                                           reinterpret_cast<LPARAM>(Wide(kCatalogueTitles[column]).c_str())) +
                              Scaled(16, WindowDpi(hwnd()));
        if (SendMessageW(list_, LVM_GETCOLUMNWIDTH, column, 0) < title) {
            SendMessageW(list_, LVM_SETCOLUMNWIDTH, column, title);
        }
    }
    LVITEMW first{};
    first.stateMask = first.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
}

void UnitList::ChooseSelected()
{
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (item.iItem >= 0 && SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) {
        ShowWindow(hwnd(), SW_HIDE);
        chosen_(static_cast<int>(item.lParam));
    }
}

LRESULT UnitList::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: MoveWindow(list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); return 0;
    case WM_SETFOCUS: SetFocus(list_); return 0;
    case WM_NOTIFY: {
        const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
        if (notice.hwndFrom == list_ && notice.code == LVN_ITEMACTIVATE) {
            ChooseSelected();
        } else if (notice.hwndFrom == list_ && notice.code == LVN_KEYDOWN &&
                   reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey == VK_ESCAPE) {
            ShowWindow(hwnd(), SW_HIDE);
        }
        return 0;
    }
    default: return SecondWindow::handle(message, wParam, lParam);
    }
}

}  // namespace zef
