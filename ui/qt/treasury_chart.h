// The treasury chart: gold and mana over the turns of the last completed
// refresh, drawn from the core's chart model of what the refresh recorded; it
// never runs the plan itself. A window of its own, so that the calculator
// keeps its designed layout.
#pragma once

#include "chart_model.h"
#include "turn_recorder.h"

#include <QList>
#include <QWidget>

class QAbstractSeries;
class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

namespace zef {

class TreasuryChart : public QWidget {
    Q_OBJECT

public:
    explicit TreasuryChart(QWidget* parent = nullptr);

    void showRecording(const TurnRecording& recording);
    const TurnRecording& recording() const { return recording_; }
    const ChartModel& model() const { return model_; }

    // False when the file could not be written.
    bool exportPng(const QString& path);
    bool exportSvg(const QString& path);

private:
    void BuildChart();
    void ClearSeries();
    void AddSeries(QAbstractSeries* series, bool inLegend);
    void AddCurve(const ChartCurve& curve, const ChartCurve& belowZero, const QString& name, const QColor& colour);
    void PlaceLineLabels();
    void ShowTip(const QPointF& point, bool entered);
    void AskAndExport(const QString& filter, const QString& suffix, bool (TreasuryChart::*write)(const QString&));

    TurnRecording recording_;
    ChartModel model_;
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    QValueAxis* turnAxis_ = nullptr;
    QValueAxis* amountAxis_ = nullptr;
    // Everything drawn for the shown recording, replaced by the next one.
    QList<QAbstractSeries*> series_;
    bool shadingInLegend_ = false;  // the shading below zero is named once
    QList<QGraphicsSimpleTextItem*> lineLabels_;
    QGraphicsSimpleTextItem* notes_ = nullptr;
};

}  // namespace zef
