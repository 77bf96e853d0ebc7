#include "chart_drawing.h"

#include "report_format.h"
#include "window_texts.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zef {

namespace {

constexpr Rgba kBackground{255, 255, 255};
constexpr Rgba kTextColour{0x20, 0x20, 0x20};
constexpr Rgba kGridColour{0xe0, 0xe0, 0xe0};
constexpr Rgba kAxisColour{0x80, 0x80, 0x80};
constexpr Rgba kZeroColour{0, 0, 0};
constexpr Rgba kLineStartColour{0x80, 0x80, 0x80};
constexpr Rgba kGoldColour{0xc0, 0x90, 0x00};
constexpr Rgba kManaColour{0x20, 0x60, 0xd0};
constexpr Rgba kDamageColour{0x30, 0x90, 0x40};
constexpr Rgba kBelowZeroColour{0xe0, 0x30, 0x30, 0x50};
constexpr Rgba kNoteColour{0xb0, 0x00, 0x00};
constexpr Rgba kTipColour{0xff, 0xff, 0xe1};
constexpr Rgba kTipBorderColour{0x80, 0x80, 0x80};
constexpr std::size_t kMostTicks = 200;

double Span(const ChartAxis& axis) { return axis.max > axis.min ? axis.max - axis.min : 1.0; }

struct Styles {
    TextStyle title;
    TextStyle label;
    TextStyle tickBelow;
    TextStyle tickLeft;
    TextStyle tickRight;
    TextStyle axisTitle;
    TextStyle verticalTitle;
    TextStyle note;
};

Styles StylesAt(double scale)
{
    const double small = 11 * scale;
    Styles styles{};
    styles.title = {14 * scale, kTextColour, true, TextAnchor::Middle};
    styles.label = {small, kTextColour};
    styles.tickBelow = {small, kTextColour, false, TextAnchor::Middle};
    styles.tickLeft = {small, kTextColour, false, TextAnchor::End};
    styles.tickRight = {small, kTextColour};
    styles.axisTitle = {small, kTextColour, false, TextAnchor::Middle};
    styles.verticalTitle = {small, kTextColour, false, TextAnchor::Middle, true};
    styles.note = {small, kNoteColour};
    return styles;
}

bool HasBelowZero(const ChartCurve& belowZero)
{
    return std::any_of(belowZero.begin(), belowZero.end(), [](const auto& piece) {
        return std::any_of(piece.begin(), piece.end(), [](const ChartPoint& p) { return p.value < 0; });
    });
}

// One entry of the legend: a short line (or, for the shading, a block) and its name.
struct LegendEntry {
    std::string_view name;
    Rgba colour;
    bool block;
};

void DrawLegend(ChartCanvas& canvas, const std::vector<LegendEntry>& entries, double centre, double top,
                const Styles& styles, double scale)
{
    const double swatch = 18 * scale;
    const double gap = 4 * scale;
    const double spacing = 16 * scale;
    double total = 0;
    for (const LegendEntry& entry : entries) {
        total += swatch + gap + canvas.measure(entry.name, styles.label).width + spacing;
    }
    total -= spacing;
    const double height = canvas.measure("X", styles.label).height;
    double x = centre - total / 2;
    for (const LegendEntry& entry : entries) {
        const double middle = top + height / 2;
        if (entry.block) {
            canvas.fillRectangle(x, middle - 5 * scale, swatch, 10 * scale, entry.colour);
        } else {
            canvas.polyline({{x, middle}, {x + swatch, middle}}, entry.colour, 2 * scale, false);
        }
        x += swatch + gap;
        canvas.text(x, top, entry.name, styles.label);
        x += canvas.measure(entry.name, styles.label).width + spacing;
    }
}

std::vector<CanvasPoint> Mapped(const ChartPlot& plot, const std::vector<ChartPoint>& piece)
{
    std::vector<CanvasPoint> points;
    points.reserve(piece.size());
    for (const ChartPoint& p : piece) {
        points.push_back({plot.xOf(p.turn), plot.yOf(p.value)});
    }
    return points;
}

void DrawShading(ChartCanvas& canvas, const ChartPlot& plot, const ChartCurve& belowZero)
{
    for (const auto& piece : belowZero) {
        if (std::none_of(piece.begin(), piece.end(), [](const ChartPoint& p) { return p.value < 0; })) {
            continue;
        }
        std::vector<CanvasPoint> outline = Mapped(plot, piece);
        outline.push_back({plot.xOf(piece.back().turn), plot.yOf(0)});
        outline.push_back({plot.xOf(piece.front().turn), plot.yOf(0)});
        canvas.fillPolygon(outline, kBelowZeroColour);
    }
}

void DrawCurve(ChartCanvas& canvas, const ChartPlot& plot, const ChartCurve& curve, Rgba colour, double scale,
               bool damage = false)
{
    for (const auto& piece : curve) {
        std::vector<CanvasPoint> points = Mapped(plot, piece);
        if (damage) {
            for (std::size_t i = 0; i < points.size(); ++i) {
                points[i].y = plot.yOfDamage(piece[i].value);
            }
        }
        // A single turn is a dot: a line of no length would not show.
        if (points.size() == 1) {
            points.push_back({points.front().x + 1, points.front().y});
        }
        canvas.polyline(points, colour, 2 * scale, false);
    }
}

}  // namespace

double ChartPlot::xOf(double turn) const { return left + (turn - turns.min) / Span(turns) * (right - left); }

double ChartPlot::yOf(double amount) const { return bottom - (amount - amounts.min) / Span(amounts) * (bottom - top); }

double ChartPlot::yOfDamage(double value) const
{
    return bottom - (value - damage.min) / Span(damage) * (bottom - top);
}

double ChartPlot::turnAt(double x) const { return turns.min + (x - left) / (right - left) * Span(turns); }

std::vector<double> AxisTicks(const ChartAxis& axis)
{
    std::vector<double> ticks;
    if (!(axis.tickInterval > 0) || !std::isfinite(axis.min) || !std::isfinite(axis.max)) {
        return ticks;
    }
    const double first = std::ceil(axis.min / axis.tickInterval);
    for (double k = first; ticks.size() < kMostTicks; ++k) {
        const double value = k * axis.tickInterval;
        if (value > axis.max + axis.tickInterval * 1e-9) {
            break;
        }
        ticks.push_back(value);
    }
    return ticks;
}

std::string TickLabel(double value) { return IntegerFigure(value); }

std::optional<ChartPlot> DrawChart(ChartCanvas& canvas, const ChartModel& model, double width, double height,
                                   double scale)
{
    const Styles styles = StylesAt(scale);
    const double margin = 10 * scale;
    canvas.fillRectangle(0, 0, width, height, kBackground);

    const double titleHeight = canvas.measure(model.title, styles.title).height;
    const double labelHeight = canvas.measure("X", styles.label).height;
    const double legendTop = margin + titleHeight + 4 * scale;

    ChartPlot plot;
    plot.turns = model.turns;
    plot.amounts = model.amounts;
    plot.damage = model.damage;
    const std::vector<double> amountTicks = AxisTicks(model.amounts);
    const std::vector<double> damageTicks = AxisTicks(model.damage);
    const std::vector<double> turnTicks = AxisTicks(model.turns);
    const auto widest = [&](const std::vector<double>& ticks) {
        double most = 0;
        for (const double tick : ticks) {
            most = std::max(most, canvas.measure(TickLabel(tick), styles.tickLeft).width);
        }
        return most;
    };
    plot.left = margin + labelHeight + 6 * scale + widest(amountTicks) + 6 * scale;
    plot.top = legendTop + labelHeight + 10 * scale;
    plot.right = width - margin - labelHeight - 6 * scale - widest(damageTicks) - 6 * scale;
    plot.bottom = height - margin - labelHeight - 4 * scale - labelHeight - 6 * scale;
    if (plot.right - plot.left < 10 * scale || plot.bottom - plot.top < 10 * scale) {
        return std::nullopt;
    }

    // The shading first, so that the grid and the curves stand on it.
    DrawShading(canvas, plot, model.goldBelowZero);
    DrawShading(canvas, plot, model.manaBelowZero);
    for (const double tick : amountTicks) {
        const double y = plot.yOf(tick);
        canvas.polyline({{plot.left, y}, {plot.right, y}}, kGridColour, 1 * scale, false);
        canvas.text(plot.left - 6 * scale, y - labelHeight / 2, TickLabel(tick), styles.tickLeft);
    }
    for (const double tick : damageTicks) {
        canvas.text(plot.right + 6 * scale, plot.yOfDamage(tick) - labelHeight / 2, TickLabel(tick), styles.tickRight);
    }
    for (const double tick : turnTicks) {
        const double x = plot.xOf(tick);
        canvas.polyline({{x, plot.top}, {x, plot.bottom}}, kGridColour, 1 * scale, false);
        canvas.text(x, plot.bottom + 4 * scale, TickLabel(tick), styles.tickBelow);
    }
    canvas.polyline(
        {{plot.left, plot.top}, {plot.left, plot.bottom}, {plot.right, plot.bottom}, {plot.right, plot.top}},
        kAxisColour, 1 * scale, false);
    canvas.text((plot.left + plot.right) / 2, plot.bottom + 4 * scale + labelHeight + 2 * scale, model.turns.title,
                styles.axisTitle);
    canvas.text(margin, (plot.top + plot.bottom) / 2, model.amounts.title, styles.verticalTitle);
    canvas.text(width - margin - labelHeight, (plot.top + plot.bottom) / 2, model.damage.title, styles.verticalTitle);

    const double zero = plot.yOf(0);
    canvas.polyline({{plot.xOf(model.turns.min), zero}, {plot.xOf(model.turns.max), zero}}, kZeroColour, 1 * scale,
                    false);
    // Labels that would run into one another take the next row down.
    std::vector<LabelSpan> spans;
    for (const ChartLineStart& line : model.lineStarts) {
        spans.push_back({plot.xOf(line.turn), canvas.measure(line.unit, styles.label).width + 4 * scale});
    }
    const std::vector<int> rows = LabelRows(spans);
    for (std::size_t i = 0; i < model.lineStarts.size(); ++i) {
        const double x = plot.xOf(model.lineStarts[i].turn);
        canvas.polyline({{x, plot.yOf(model.amounts.min)}, {x, plot.yOf(model.amounts.max)}}, kLineStartColour,
                        1 * scale, true);
        canvas.text(x + 2 * scale, plot.yOf(model.amounts.max) + 2 * scale + double(rows[i]) * labelHeight,
                    model.lineStarts[i].unit, styles.label);
    }
    DrawCurve(canvas, plot, model.gold, kGoldColour, scale);
    DrawCurve(canvas, plot, model.mana, kManaColour, scale);
    DrawCurve(canvas, plot, model.damageCurve, kDamageColour, scale, true);

    double noteTop = plot.bottom - double(model.notes.size()) * labelHeight - 4 * scale;
    for (const std::string& note : model.notes) {
        canvas.text(plot.left + 4 * scale, noteTop, note, styles.note);
        noteTop += labelHeight;
    }

    std::vector<LegendEntry> legend = {{kGoldCurveName, kGoldColour, false},
                                       {kManaCurveName, kManaColour, false},
                                       {kDamageCurveName, kDamageColour, false}};
    if (HasBelowZero(model.goldBelowZero) || HasBelowZero(model.manaBelowZero)) {
        legend.push_back({kBelowZeroName, kBelowZeroColour, true});
    }
    DrawLegend(canvas, legend, width / 2, legendTop, styles, scale);
    canvas.text(width / 2, margin, model.title, styles.title);
    return plot;
}

void DrawTurnTip(ChartCanvas& canvas, const ChartPlot& plot, CanvasPoint at, std::string_view text, double scale)
{
    const TextStyle style = StylesAt(scale).label;
    std::vector<std::string_view> lines;
    double widest = 0;
    for (std::size_t start = 0, end = 0; start <= text.size(); start = end + 1) {
        end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        widest = std::max(widest, canvas.measure(lines.back(), style).width);
    }
    const double lineHeight = canvas.measure("X", style).height;
    const double padding = 4 * scale;
    const double offset = 12 * scale;
    const double width = widest + 2 * padding;
    const double height = double(lines.size()) * lineHeight + 2 * padding;
    double left = at.x + offset;
    if (left + width > plot.right) {
        left = std::max(plot.left, at.x - offset - width);
    }
    double top = at.y + offset;
    if (top + height > plot.bottom) {
        top = std::max(plot.top, at.y - offset - height);
    }
    canvas.fillRectangle(left, top, width, height, kTipColour);
    canvas.polyline({{left, top}, {left + width, top}, {left + width, top + height}, {left, top + height}, {left, top}},
                    kTipBorderColour, 1 * scale, false);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        canvas.text(left + padding, top + padding + double(i) * lineHeight, lines[i], style);
    }
}

}  // namespace zef
