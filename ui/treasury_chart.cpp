#include "treasury_chart.h"

#include "windows1250_codec.h"

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

#include <algorithm>
#include <cmath>

namespace zef {

namespace {

const QColor kGoldColour(0xc0, 0x90, 0x00);
const QColor kManaColour(0x20, 0x60, 0xd0);
const QColor kBelowZeroColour(0xe0, 0x30, 0x30, 0x50);

QString Amount(double value) { return QLocale(QLocale::Czech).toString(value, 'f', 0); }

// A series that draws but has no entry in the legend.
void HideFromLegend(QChart& chart, QAbstractSeries* series)
{
    for (QLegendMarker* marker : chart.legend()->markers(series)) {
        marker->setVisible(false);
    }
}

// The part of a curve below zero, as the upper edge of an area down to zero.
QList<QPointF> BelowZero(const QList<QPointF>& curve)
{
    QList<QPointF> clipped;
    clipped.reserve(curve.size());
    for (const QPointF& p : curve) {
        clipped.append({p.x(), std::min(p.y(), 0.0)});
    }
    return clipped;
}

}  // namespace

QString TurnTip(const TurnSample& s, const QString& unit)
{
    return QStringLiteral(
               "tah %1, řádek %2 (%3)\nzl: %4   mn: %5\nzl/TU: %6   mn/TU: %7\npříjem zl: %8   mn: %9\nDMG: %10")
        .arg(s.turn)
        .arg(s.fileLine)
        .arg(unit, Amount(s.gold), Amount(s.mana), Amount(s.goldUpkeep), Amount(s.manaUpkeep), Amount(s.goldIncome),
             Amount(s.manaIncome))
        .arg(Amount(s.damage));
}

TreasuryChart::TreasuryChart(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("ZeF – pokladna po tazích"));
    resize(800, 500);
    BuildChart();

    auto* savePng = new QPushButton(QStringLiteral("Uložit PNG…"), this);
    auto* saveSvg = new QPushButton(QStringLiteral("Uložit SVG…"), this);
    connect(savePng, &QPushButton::clicked, this, [this] {
        AskAndExport(QStringLiteral("Obrázek PNG (*.png)"), QStringLiteral("png"), &TreasuryChart::exportPng);
    });
    connect(saveSvg, &QPushButton::clicked, this, [this] {
        AskAndExport(QStringLiteral("Obrázek SVG (*.svg)"), QStringLiteral("svg"), &TreasuryChart::exportSvg);
    });
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
    chart_->setTitle(QStringLiteral("Zlato a mana po tazích"));
    chart_->setAnimationOptions(QChart::NoAnimation);

    turnAxis_ = new QValueAxis;
    turnAxis_->setTitleText(QStringLiteral("tah"));
    turnAxis_->setLabelFormat(QStringLiteral("%.0f"));
    amountAxis_ = new QValueAxis;
    amountAxis_->setTitleText(QStringLiteral("zl / mn"));
    amountAxis_->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(turnAxis_, Qt::AlignBottom);
    chart_->addAxis(amountAxis_, Qt::AlignLeft);

    zero_ = new QLineSeries;
    zero_->setPen(QPen(Qt::black, 1));
    // Shaded first, so that the curves are drawn over the shading. An area
    // does not own its edges: the upper ones belong to this window.
    goldBelowZero_ = new QAreaSeries(new QLineSeries(this), zero_);
    goldBelowZero_->setName(QStringLiteral("pod nulou"));
    manaBelowZero_ = new QAreaSeries(new QLineSeries(this), zero_);
    gold_ = new QLineSeries;
    gold_->setName(QStringLiteral("zlato (zl)"));
    gold_->setPen(QPen(kGoldColour, 2));
    mana_ = new QLineSeries;
    mana_->setName(QStringLiteral("mana (mn)"));
    mana_->setPen(QPen(kManaColour, 2));
    for (QAbstractSeries* series :
         std::initializer_list<QAbstractSeries*>{goldBelowZero_, manaBelowZero_, zero_, gold_, mana_}) {
        chart_->addSeries(series);
        series->attachAxis(turnAxis_);
        series->attachAxis(amountAxis_);
    }
    for (QAreaSeries* area : {goldBelowZero_, manaBelowZero_}) {
        area->setBrush(kBelowZeroColour);
        area->setPen(Qt::NoPen);
    }
    HideFromLegend(*chart_, manaBelowZero_);
    HideFromLegend(*chart_, zero_);
    connect(gold_, &QLineSeries::hovered, this, &TreasuryChart::ShowTip);
    connect(mana_, &QLineSeries::hovered, this, &TreasuryChart::ShowTip);
    connect(chart_, &QChart::plotAreaChanged, this, &TreasuryChart::PlaceLineLabels);

    view_ = new QChartView(chart_, this);
    // No antialiasing: with thousands of points it would cost more than the refresh it shows.
}

void TreasuryChart::showRecording(const TurnRecording& recording)
{
    recording_ = recording;
    QList<QPointF> gold;
    QList<QPointF> mana;
    gold.reserve(recording.samples.size());
    mana.reserve(recording.samples.size());
    double low = 0;
    double high = 0;
    for (const TurnSample& s : recording.samples) {
        gold.append({double(s.turn), s.gold});
        mana.append({double(s.turn), s.mana});
        // A value that is not finite cannot be drawn, and must not stretch the axis.
        for (const double v : {s.gold, s.mana}) {
            if (std::isfinite(v)) {
                low = std::min(low, v);
                high = std::max(high, v);
            }
        }
    }
    const double firstTurn = recording.empty() ? 0 : recording.samples.front().turn;
    const double lastTurn = recording.empty() ? 1 : std::max(recording.samples.back().turn, 1);
    gold_->replace(gold);
    mana_->replace(mana);
    goldBelowZero_->upperSeries()->replace(BelowZero(gold));
    manaBelowZero_->upperSeries()->replace(BelowZero(mana));
    zero_->replace({{firstTurn, 0}, {lastTurn, 0}});
    const double margin = std::max((high - low) * 0.05, 1.0);
    turnAxis_->setRange(firstTurn, lastTurn);
    amountAxis_->setRange(low - (low < 0 ? margin : 0), high + margin);

    for (QLineSeries* marker : lineMarkers_) {
        chart_->removeSeries(marker);
        delete marker;
    }
    qDeleteAll(lineLabels_);
    lineMarkers_.clear();
    lineLabels_.clear();
    for (const RecordedLine& line : recording.lines) {
        auto* marker = new QLineSeries;
        marker->setPen(QPen(Qt::gray, 1, Qt::DashLine));
        marker->append({{double(line.first.turn), amountAxis_->min()}, {double(line.first.turn), amountAxis_->max()}});
        chart_->addSeries(marker);
        marker->attachAxis(turnAxis_);
        marker->attachAxis(amountAxis_);
        HideFromLegend(*chart_, marker);
        lineMarkers_.append(marker);
        auto* label = new QGraphicsSimpleTextItem(DecodeWindows1250(QByteArray::fromStdString(line.unit)), chart_);
        label->setToolTip(QStringLiteral("řádek %1 v rekrut.txt").arg(line.fileLine));
        lineLabels_.append(label);
    }
    PlaceLineLabels();
}

// Each line's name stands at the top of the plot, just right of its marker.
void TreasuryChart::PlaceLineLabels()
{
    for (qsizetype i = 0; i < lineLabels_.size(); ++i) {
        const QPointF at = chart_->mapToPosition({double(recording_.lines[i].first.turn), amountAxis_->max()});
        lineLabels_[i]->setPos(at.x() + 2, at.y() + 2 + (i % 2) * lineLabels_[i]->boundingRect().height());
    }
}

void TreasuryChart::ShowTip(const QPointF& point, bool entered)
{
    if (!entered || recording_.empty()) {
        QToolTip::hideText();
        return;
    }
    const auto& samples = recording_.samples;
    const auto after = std::lower_bound(samples.begin(), samples.end(), point.x(),
                                        [](const TurnSample& s, double turn) { return s.turn < turn; });
    auto nearest = after == samples.end() ? std::prev(after) : after;
    if (after != samples.begin() && after != samples.end() &&
        point.x() - std::prev(after)->turn < after->turn - point.x()) {
        nearest = std::prev(after);
    }
    QString unit;
    for (const RecordedLine& line : recording_.lines) {
        if (line.fileLine == nearest->fileLine) {
            unit = DecodeWindows1250(QByteArray::fromStdString(line.unit));
        }
    }
    QToolTip::showText(QCursor::pos(), TurnTip(*nearest, unit), view_);
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
        QFileDialog::getSaveFileName(this, QStringLiteral("Uložit graf"), QStringLiteral("graf.") + suffix, filter);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += u'.' + suffix;
    }
    if (!(this->*write)(path)) {
        QMessageBox::critical(this, QStringLiteral("ZeF"),
                              QStringLiteral("Graf se nepodařilo uložit do %1.").arg(path));
    }
}

}  // namespace zef
