#include "treasury_chart.h"

#include "qt_text.h"
#include "window_texts.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>

namespace zef {

namespace {

const QColor kGoldColour(0xc0, 0x90, 0x00);
const QColor kManaColour(0x20, 0x60, 0xd0);
const QColor kDamageColour(0x30, 0x90, 0x40);
const QColor kBelowZeroColour(0xe0, 0x30, 0x30, 0x50);
const QColor kTipColour(0xff, 0xff, 0xe1);
// How far the figures stand from the mouse pointer.
constexpr qreal kTipOffset = 12;

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
    axis.setTitleText(FromUtf8(range.title));
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
    chart_->setAnimationOptions(QChart::NoAnimation);
    turnAxis_ = new QValueAxis;
    amountAxis_ = new QValueAxis;
    damageAxis_ = new QValueAxis;
    for (QValueAxis* axis : {turnAxis_, amountAxis_, damageAxis_}) {
        axis->setLabelFormat(QStringLiteral("%.0f"));
    }
    chart_->addAxis(turnAxis_, Qt::AlignBottom);
    chart_->addAxis(amountAxis_, Qt::AlignLeft);
    chart_->addAxis(damageAxis_, Qt::AlignRight);
    notes_ = new QGraphicsSimpleTextItem(chart_);
    notes_->setBrush(QColor(0xb0, 0x00, 0x00));
    notes_->setZValue(1);
    tip_ = new QGraphicsRectItem(chart_);
    tip_->setBrush(kTipColour);
    tip_->setPen(QPen(Qt::gray));
    tip_->setZValue(2);
    tip_->hide();
    tipText_ = new QGraphicsSimpleTextItem(tip_);
    tipText_->setPos(4, 3);
    connect(chart_, &QChart::plotAreaChanged, this, &TreasuryChart::PlaceLineLabels);
    view_ = new QChartView(chart_, this);
    view_->viewport()->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
    // No antialiasing: with thousands of points it would cost more than the refresh it shows.
}

void TreasuryChart::AddSeries(QAbstractSeries* series, bool inLegend, QValueAxis* valueAxis)
{
    chart_->addSeries(series);
    series->attachAxis(turnAxis_);
    series->attachAxis(valueAxis);
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
                             const QColor& colour, QValueAxis* valueAxis)
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
        AddSeries(area, !shadingInLegend_, valueAxis);
        shadingInLegend_ = true;
    }
    bool first = true;
    for (const auto& piece : curve) {
        auto* line = new QLineSeries;
        line->replace(Points(piece));
        line->setName(name);
        line->setPen(QPen(colour, 2));
        AddSeries(line, first, valueAxis);
        first = false;
    }
}

void TreasuryChart::showRecording(const TurnRecording& recording, ChartSource source)
{
    recording_ = recording;
    model_ = MakeChartModel(recording, source);
    ClearSeries();
    chart_->setTitle(FromUtf8(model_.title));
    ApplyAxis(*turnAxis_, model_.turns);
    ApplyAxis(*amountAxis_, model_.amounts);
    ApplyAxis(*damageAxis_, model_.damage);

    // The zero line goes first: the labels are placed on its axes.
    auto* zero = new QLineSeries;
    zero->setPen(QPen(Qt::black, 1));
    zero->replace({{model_.turns.min, 0}, {model_.turns.max, 0}});
    AddSeries(zero, false, amountAxis_);
    AddCurve(model_.gold, model_.goldBelowZero, FromUtf8(kGoldCurveName), kGoldColour, amountAxis_);
    AddCurve(model_.mana, model_.manaBelowZero, FromUtf8(kManaCurveName), kManaColour, amountAxis_);
    AddCurve(model_.damageCurve, {}, FromUtf8(kDamageCurveName), kDamageColour, damageAxis_);
    for (const ChartLineStart& line : model_.lineStarts) {
        auto* marker = new QLineSeries;
        marker->setPen(QPen(Qt::gray, 1, Qt::DashLine));
        marker->append({{line.turn, model_.amounts.min}, {line.turn, model_.amounts.max}});
        AddSeries(marker, false, amountAxis_);
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
    // Figures on show, pinned or not, are now those of the new run.
    if (tip_->isVisible()) {
        ShowTipAt(tipAt_);
    }
}

// Each line's name stands at the top of the plot, just right of its marker,
// one row lower where it would run into an earlier one; what cannot be drawn
// is said at the bottom of the plot.
void TreasuryChart::PlaceLineLabels()
{
    const QRectF plot = chart_->plotArea();
    notes_->setPos(plot.left() + 4, plot.bottom() - notes_->boundingRect().height() - 4);
    std::vector<LabelSpan> spans;
    for (qsizetype i = 0; i < lineLabels_.size(); ++i) {
        const QPointF at = chart_->mapToPosition({model_.lineStarts[std::size_t(i)].turn, 0});
        spans.push_back({at.x() + 2, lineLabels_[i]->boundingRect().width() + 4});
    }
    const std::vector<int> rows = LabelRows(spans);
    for (qsizetype i = 0; i < lineLabels_.size(); ++i) {
        const qreal height = lineLabels_[i]->boundingRect().height();
        lineLabels_[i]->setPos(spans[std::size_t(i)].left, plot.top() + 2 + rows[std::size_t(i)] * height);
    }
}

void TreasuryChart::ShowTipAt(const QPointF& at)
{
    tipAt_ = at;
    const QPointF inChart = chart_->mapFromScene(view_->mapToScene(at.toPoint()));
    const QRectF plot = chart_->plotArea();
    const TurnSample* nearest =
        plot.contains(inChart) ? NearestSample(recording_, chart_->mapToValue(inChart).x()) : nullptr;
    if (!nearest) {
        tip_->hide();
        return;
    }
    tipText_->setText(FromUtf8(TurnTip(*nearest, UnitOfLine(recording_, nearest->fileLine))));
    const QSizeF size = tipText_->boundingRect().size() + QSizeF(8, 6);
    tip_->setRect(QRectF(QPointF(), size));
    // Beside the pointer, on whichever side keeps the figures inside the plot.
    QPointF corner = inChart + QPointF(kTipOffset, kTipOffset);
    if (corner.x() + size.width() > plot.right()) {
        corner.setX(std::max(plot.left(), inChart.x() - kTipOffset - size.width()));
    }
    if (corner.y() + size.height() > plot.bottom()) {
        corner.setY(std::max(plot.top(), inChart.y() - kTipOffset - size.height()));
    }
    tip_->setPos(corner);
    tip_->show();
}

QString TreasuryChart::hoverText() const { return tip_->isVisible() ? tipText_->text() : QString(); }

bool TreasuryChart::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != view_->viewport()) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseMove:
        if (!tipPinned_) {
            ShowTipAt(static_cast<QMouseEvent*>(event)->position());
        }
        break;
    case QEvent::MouseButtonPress:
        // A click pins the figures where it happens; the next one lets them go.
        tipPinned_ = !tipPinned_;
        ShowTipAt(static_cast<QMouseEvent*>(event)->position());
        tipPinned_ = tipPinned_ && tip_->isVisible();
        break;
    case QEvent::Leave:
        if (!tipPinned_) {
            tip_->hide();
        }
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

bool TreasuryChart::exportPng(const QString& path) { return view_->grab().save(path, "PNG"); }

bool TreasuryChart::exportSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(view_->size());
    svg.setViewBox(view_->rect());
    svg.setTitle(chart_->title());
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
