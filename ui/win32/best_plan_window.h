// The search for the best plan in a window of its own beside the calculator:
// the question and its number, the unit types to use, the reserve, the
// search with its progress and cancel, the answer and what to do with it.
// Its rules are the core's (BestPlanDialog, and the window model for
// "Použít" and "Graf"); this is its controls.
#pragma once

#include "second_window.h"
#include "win_handles.h"

#include <functional>

namespace zef {

class WindowModel;

class BestPlanWindow : public SecondWindow<BestPlanWindowView> {
public:
    BestPlanWindow(HWND owner, WindowModel& model);
    ~BestPlanWindow() override;

    void showOffer(const BestPlanOffer& offer) override;
    void showSearching(bool searching) override;
    void showProgress(int stepsDone) override;
    void showAnswer(const std::string& text, bool answered) override;
    void deliverProgress(std::uint64_t search, int stepsDone) override;
    void deliverOutcome(BestPlanOutcome outcome) override;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void rescale() override
    {
        MakeFonts();
        Layout();
    }

    HWND Control(const wchar_t* windowClass, std::string_view text, DWORD style, int id = 0);
    HWND NumberBox();
    void Layout();
    void MakeFonts();
    void Deliver(std::function<void()> task);
    BestPlanChoice Choice() const;
    void SearchClicked();

    WindowModel& model_;
    HWND mostDamage_ = nullptr;
    HWND fewestTurns_ = nullptr;
    HWND turns_ = nullptr;
    HWND damage_ = nullptr;
    HWND unitsLabel_ = nullptr;
    HWND units_ = nullptr;
    HWND reserveLabel_ = nullptr;
    HWND reserve_ = nullptr;
    HWND search_ = nullptr;
    HWND progress_ = nullptr;
    HWND answer_ = nullptr;
    HWND apply_ = nullptr;
    HWND chart_ = nullptr;
    FontHandle font_;
    FontHandle answerFont_;
    bool searching_ = false;
};

}  // namespace zef
