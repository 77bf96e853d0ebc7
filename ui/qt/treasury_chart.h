// The treasury chart: gold and mana over the turns of the last completed
// refresh, or of the preview of the editor's text, with the damage on an axis
// of its own, drawn from the core's chart model of what the run recorded; it
// never runs the plan itself. A window of its own, so that the calculator
// keeps its designed layout. Resting the mouse on the plot shows that turn's
// figures; a click pins them, the next click lets them follow the mouse again.
#pragma once

#include "chart_model.h"
#include "turn_recorder.h"

#include <QList>
#include <QPointF>
#include <QWidget>

class QAbstractSeries;
class QChart;
class QChartView;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

namespace zef {

class TreasuryChart : public QWidget {
    Q_OBJECT

public:
    explicit TreasuryChart(QWidget* parent = nullptr);

    void showRecording(const TurnRecording& recording, ChartSource source = ChartSource::Refresh);
    const TurnRecording& recording() const { return recording_; }
    const ChartModel& model() const { return model_; }

    // False when the file could not be written.
    bool exportPng(const QString& path);
    bool exportSvg(const QString& path);

    // The figures shown for the turn under the mouse; empty when none are.
    QString hoverText() const;
    bool hoverPinned() const { return tipPinned_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildChart();
    void ClearSeries();
    void AddSeries(QAbstractSeries* series, bool inLegend, QValueAxis* valueAxis);
    void AddCurve(const ChartCurve& curve, const ChartCurve& belowZero, const QString& name, const QColor& colour,
                  QValueAxis* valueAxis);
    void PlaceLineLabels();
    // Shows the figures of the turn nearest `at` (the view's coordinates) while it is over the plot.
    void ShowTipAt(const QPointF& at);
    void AskAndExport(const QString& filter, const QString& suffix, bool (TreasuryChart::*write)(const QString&));

    TurnRecording recording_;
    ChartModel model_;
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    QValueAxis* turnAxis_ = nullptr;
    QValueAxis* amountAxis_ = nullptr;
    QValueAxis* damageAxis_ = nullptr;
    // Everything drawn for the shown recording, replaced by the next one.
    QList<QAbstractSeries*> series_;
    bool shadingInLegend_ = false;  // the shading below zero is named once
    QList<QGraphicsSimpleTextItem*> lineLabels_;
    QGraphicsSimpleTextItem* notes_ = nullptr;
    QGraphicsRectItem* tip_ = nullptr;
    QGraphicsSimpleTextItem* tipText_ = nullptr;
    QPointF tipAt_;
    bool tipPinned_ = false;
};

}  // namespace zef
