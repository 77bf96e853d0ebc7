// The treasury chart: gold and mana over the turns of the last completed
// refresh, drawn with GDI from the core's chart model of what the refresh
// recorded; it never runs the plan itself. A window of its own, owned by the
// main window, so that the calculator keeps its designed layout. Hovering
// over a curve shows that turn's figures; "Uložit PNG…" and "Uložit SVG…"
// save what it shows.
#pragma once

#include "chart_drawing.h"
#include "chart_model.h"
#include "turn_recorder.h"
#include "win_handles.h"
#include "window.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zef {

class TreasuryChart : public Window {
public:
    explicit TreasuryChart(HWND owner);
    ~TreasuryChart() override;

    void showRecording(const TurnRecording& recording);
    void showAndActivate();
    bool visible() const { return hwnd() != nullptr && IsWindowVisible(hwnd()); }
    // Tab between the buttons; true when the message is done.
    bool preTranslateMessage(MSG& message);

    const TurnRecording& recording() const { return recording_; }
    const ChartModel& model() const { return model_; }
    // What hovering at (x, y) of the client area shows; empty for nothing.
    std::string tipAt(int x, int y) const;

    // The chart as it is shown, in a file; false when it could not be written.
    bool exportPng(const std::filesystem::path& path);
    bool exportSvg(const std::filesystem::path& path);
    // The SVG document of the chart as it is shown.
    std::string svgDocument();

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

    void Layout();
    void MakeFont();
    void Paint();
    SIZE ChartSize() const;
    void MouseMove(int x, int y);
    void HideTip();
    void AskAndExport(bool png);

    TurnRecording recording_;
    ChartModel model_;
    UINT dpi_ = 96;
    HWND savePng_ = nullptr;
    HWND saveSvg_ = nullptr;
    HWND tip_ = nullptr;
    FontHandle font_;
    std::optional<ChartPlot> plot_;  // where the last paint put the plot
    std::wstring tipText_;
    bool tracking_ = false;
};

}  // namespace zef
