// The treasury chart: gold and mana over the turns of the last completed
// refresh, or of the preview of the editor's text, drawn with GDI from what
// the run recorded by the core's chart window rules; it never runs the plan
// itself. A window of its own beside the main window, so that the calculator
// keeps its designed layout.
// Resting the mouse on the plot shows that turn's figures, a click pins them;
// "Uložit PNG…" and "Uložit SVG…" save what it shows.
#pragma once

#include "chart_window_core.h"
#include "second_window.h"
#include "win_handles.h"

namespace zef {

class TreasuryChart : public SecondWindow<ChartWindowView> {
public:
    explicit TreasuryChart(HWND owner);
    ~TreasuryChart() override;

    void showRecording(const TurnRecording& recording, ChartSource source) override;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void rescale() override
    {
        MakeFont();
        Layout();
    }

    void Layout();
    void MakeFont();
    void Paint();
    SIZE ChartSize() const;
    void Redraw(bool needed);
    void AskAndExport(bool png);

    ChartWindowCore core_;
    HWND savePng_ = nullptr;
    HWND saveSvg_ = nullptr;
    FontHandle font_;
    bool tracking_ = false;
};

}  // namespace zef
