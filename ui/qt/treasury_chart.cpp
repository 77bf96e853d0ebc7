#include "treasury_chart.h"

#include "qt_text.h"
#include "window_texts.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

namespace zef {

namespace {

const QString kTitle = FromUtf8(kChartTitle);
const QColor kGoldColour(0xc0, 0x90, 0x00);
const QColor kManaColour(0x20, 0x60, 0xd0);
const QColor kBelowZeroColour(0xe0, 0x30, 0x30, 0x50);

QList<QPointF> Points(const std::vector<ChartPoint>& piece)
{
    QList<QPointF> points;
    points.reserve(qsizetype(piece.size()));
    for (const ChartPoint& p : piece) {
        points.append({p.turn, p.value});
    }
    return points;
}

void ApplyAxis(QValueAxis& axis, const ChartAxis& range)
{
    axis.setRange(range.min, range.max);
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    axis.setTickInterval(range.tickInterval);
}

}  // namespace

TreasuryChart::TreasuryChart(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(FromUtf8(kChartWindowTitle));
    resize(800, 500);
    BuildChart();

    auto* savePng = new QPushButton(FromUtf8(kSavePngButton), this);
    auto* saveSvg = new QPushButton(FromUtf8(kSaveSvgButton), this);
    connect(savePng, &QPushButton::clicked, this,
            [this] { AskAndExport(FromUtf8(kPngFilter), QStringLiteral("png"), &TreasuryChart::exportPng); });
    connect(saveSvg, &QPushButton::clicked, this,
            [this] { AskAndExport(FromUtf8(kSvgFilter), QStringLiteral("svg"), &TreasuryChart::exportSvg); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(savePng);
    buttons->addWidget(saveSvg);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
}

void TreasuryChart::BuildChart()
{
    chart_ = new QChart;
    chart_->setTitle(kTitle);
    chart_->setAnimationOptions(QChart::NoAnimation);
    turnAxis_ = new QValueAxis;
    turnAxis_->setTitleText(FromUtf8(kTurnAxisTitle));
    turnAxis_->setLabelFormat(QStringLiteral("%.0f"));
    amountAxis_ = new QValueAxis;
    amountAxis_->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(turnAxis_, Qt::AlignBottom);
    chart_->addAxis(amountAxis_, Qt::AlignLeft);
    notes_ = new QGraphicsSimpleTextItem(chart_);
    notes_->setBrush(QColor(0xb0, 0x00, 0x00));
    notes_->setZValue(1);
    connect(chart_, &QChart::plotAreaChanged, this, &TreasuryChart::PlaceLineLabels);
    view_ = new QChartView(chart_, this);
    // No antialiasing: with thousands of points it would cost more than the refresh it shows.
}

void TreasuryChart::AddSeries(QAbstractSeries* series, bool inLegend)
{
    chart_->addSeries(series);
    series->attachAxis(turnAxis_);
    series->attachAxis(amountAxis_);
    if (!inLegend) {
        for (QLegendMarker* marker : chart_->legend()->markers(series)) {
            marker->setVisible(false);
        }
    }
    series_.append(series);
}

void TreasuryChart::ClearSeries()
{
    for (QAbstractSeries* series : series_) {
        chart_->removeSeries(series);
        delete series;
    }
    series_.clear();
    shadingInLegend_ = false;
    qDeleteAll(lineLabels_);
    lineLabels_.clear();
}

// One series per piece of the curve; only the first piece is in the legend.
// The shading goes first, so that the curves are drawn over it.
void TreasuryChart::AddCurve(const ChartCurve& curve, const ChartCurve& belowZero, const QString& name,
                             const QColor& colour)
{
    for (const auto& piece : belowZero) {
        auto* upper = new QLineSeries;
        upper->replace(Points(piece));
        auto* lower = new QLineSeries;
        lower->replace({{piece.front().turn, 0}, {piece.back().turn, 0}});
        // An area does not own its edges: they go with it.
        auto* area = new QAreaSeries(upper, lower);
        upper->setParent(area);
        lower->setParent(area);
        area->setBrush(kBelowZeroColour);
        area->setPen(Qt::NoPen);
        area->setName(FromUtf8(kBelowZeroName));
        AddSeries(area, !shadingInLegend_);
        shadingInLegend_ = true;
    }
    bool first = true;
    for (const auto& piece : curve) {
        auto* line = new QLineSeries;
        line->replace(Points(piece));
        line->setName(name);
        line->setPen(QPen(colour, 2));
        connect(line, &QLineSeries::hovered, this, &TreasuryChart::ShowTip);
        AddSeries(line, first);
        first = false;
    }
}

void TreasuryChart::showRecording(const TurnRecording& recording)
{
    recording_ = recording;
    model_ = MakeChartModel(recording);
    ClearSeries();
    ApplyAxis(*turnAxis_, model_.turns);
    ApplyAxis(*amountAxis_, model_.amounts);
    amountAxis_->setTitleText(FromUtf8(model_.amountTitle));

    auto* zero = new QLineSeries;
    zero->setPen(QPen(Qt::black, 1));
    zero->replace({{model_.turns.min, 0}, {model_.turns.max, 0}});
    AddSeries(zero, false);
    AddCurve(model_.gold, model_.goldBelowZero, FromUtf8(kGoldCurveName), kGoldColour);
    AddCurve(model_.mana, model_.manaBelowZero, FromUtf8(kManaCurveName), kManaColour);
    for (const ChartLineStart& line : model_.lineStarts) {
        auto* marker = new QLineSeries;
        marker->setPen(QPen(Qt::gray, 1, Qt::DashLine));
        marker->append({{line.turn, model_.amounts.min}, {line.turn, model_.amounts.max}});
        AddSeries(marker, false);
        auto* label = new QGraphicsSimpleTextItem(FromUtf8(line.unit), chart_);
        label->setToolTip(FromUtf8(LineStartTip(line.fileLine)));
        lineLabels_.append(label);
    }
    QStringList notes;
    for (const std::string& note : model_.notes) {
        notes.append(FromUtf8(note));
    }
    notes_->setText(notes.join(u'\n'));
    PlaceLineLabels();
}

// Each line's name stands at the top of the plot, just right of its marker;
// what cannot be drawn is said at the bottom of the plot.
void TreasuryChart::PlaceLineLabels()
{
    const QRectF plot = chart_->plotArea();
    notes_->setPos(plot.left() + 4, plot.bottom() - notes_->boundingRect().height() - 4);
    for (qsizetype i = 0; i < lineLabels_.size(); ++i) {
        const QPointF at = chart_->mapToPosition({model_.lineStarts[std::size_t(i)].turn, model_.amounts.max});
        lineLabels_[i]->setPos(at.x() + 2, at.y() + 2 + (i % 2) * lineLabels_[i]->boundingRect().height());
    }
}

void TreasuryChart::ShowTip(const QPointF& point, bool entered)
{
    const TurnSample* nearest = entered ? NearestSample(recording_, point.x()) : nullptr;
    if (!nearest) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(QCursor::pos(), FromUtf8(TurnTip(*nearest, UnitOfLine(recording_, nearest->fileLine))), view_);
}

bool TreasuryChart::exportPng(const QString& path) { return view_->grab().save(path, "PNG"); }

bool TreasuryChart::exportSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(view_->size());
    svg.setViewBox(view_->rect());
    svg.setTitle(kTitle);
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    view_->render(&painter);
    return painter.end() && QFileInfo(path).size() > 0;
}

void TreasuryChart::AskAndExport(const QString& filter, const QString& suffix,
                                 bool (TreasuryChart::*write)(const QString&))
{
    QString path =
        QFileDialog::getSaveFileName(this, FromUtf8(kSaveChartTitle), QStringLiteral("graf.") + suffix, filter);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += u'.' + suffix;
    }
    if (!(this->*write)(path)) {
        QMessageBox::critical(this, FromUtf8(kQuestionCaption), FromUtf8(ChartNotSavedMessage(ToUtf8(path))));
    }
}

}  // namespace zef
