// The treasury chart: gold and mana over the turns of the last completed
// refresh, or of the preview of the editor's text, with the damage on an axis
// of its own, drawn with QPainter by the core's chart drawing from what the
// run recorded; it never runs the plan itself. A window of its own, so that
// the calculator keeps its designed layout. Resting the mouse on the plot
// shows that turn's figures; a click pins them, the next click lets them
// follow the mouse again.
#pragma once

#include "chart_window_core.h"
#include "second_window.h"
#include "turn_recorder.h"

#include <QRectF>
#include <QWidget>

class QLayout;

namespace zef {

class TreasuryChart : public QWidget, public SecondWindow<ChartWindowView> {
    Q_OBJECT

public:
    explicit TreasuryChart(QWidget* parent = nullptr);

    void showRecording(const TurnRecording& recording, ChartSource source = ChartSource::Refresh) override;
    const TurnRecording& recording() const { return core_.recording(); }

    // False when the file could not be written.
    bool exportPng(const QString& path);
    bool exportSvg(const QString& path);

    // The figures shown for the turn under the mouse; empty when none are.
    QString hoverText() const;
    bool hoverPinned() const { return core_.hoverPinned(); }
    // Where the last paint put the plot; empty before the first.
    QRectF plotArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The chart's part of the window: all of it above the buttons.
    QSize ChartSize() const;
    void AskAndExport(const QString& filter, const QString& suffix, bool (TreasuryChart::*write)(const QString&));

    ChartWindowCore core_;
    QLayout* buttons_ = nullptr;
};

}  // namespace zef
