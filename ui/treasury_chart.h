// The treasury chart: gold and mana over the turns of the last completed
// refresh, drawn from what the refresh recorded (TurnRecording); it never
// runs the plan itself. A window of its own, so that the calculator keeps its
// designed layout.
#pragma once

#include "turn_recorder.h"

#include <QList>
#include <QWidget>

class QAreaSeries;
class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

namespace zef {

// What hovering over a turn shows: that turn's figures.
QString TurnTip(const TurnSample& sample, const QString& unit);

class TreasuryChart : public QWidget {
    Q_OBJECT

public:
    explicit TreasuryChart(QWidget* parent = nullptr);

    void showRecording(const TurnRecording& recording);
    const TurnRecording& recording() const { return recording_; }

    // False when the file could not be written.
    bool exportPng(const QString& path);
    bool exportSvg(const QString& path);

private:
    void BuildChart();
    void PlaceLineLabels();
    void ShowTip(const QPointF& point, bool entered);
    void AskAndExport(const QString& filter, const QString& suffix, bool (TreasuryChart::*write)(const QString&));

    TurnRecording recording_;
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    QValueAxis* turnAxis_ = nullptr;
    QValueAxis* amountAxis_ = nullptr;
    QLineSeries* gold_ = nullptr;
    QLineSeries* mana_ = nullptr;
    QLineSeries* zero_ = nullptr;
    QAreaSeries* goldBelowZero_ = nullptr;
    QAreaSeries* manaBelowZero_ = nullptr;
    // One marker and one label per plan line that took turns.
    QList<QLineSeries*> lineMarkers_;
    QList<QGraphicsSimpleTextItem*> lineLabels_;
};

}  // namespace zef
