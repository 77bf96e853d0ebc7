// The catalogue at hand: the unit types of arm.txt in a small window beside
// the calculator, with the numbers the plan lines use, in a list view.
// Choosing one (double click or Enter) hides the list and hands its number
// on; Esc hides it.
#pragma once

#include "second_window.h"

#include <functional>

namespace zef {

class UnitList : public SecondWindow<UnitListView> {
public:
    UnitList(HWND owner, std::function<void(int number)> chosen);
    ~UnitList() override;

    void showRows(const std::vector<CatalogueRow>& rows) override;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ChooseSelected();

    std::function<void(int number)> chosen_;
    HWND list_ = nullptr;
};

}  // namespace zef
