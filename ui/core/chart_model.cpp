#include "chart_model.h"

#include "report_format.h"
#include "rounding.h"
#include "windows1250.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zef {

namespace {

// Amounts beyond this are drawn in a unit of a power of ten, so that the
// axis's span, and every coordinate worked out from it, stays finite.
constexpr double kLargestDrawnAmount = 1e12;
constexpr int kTickParts = 6;

struct Range {
    double low = 0;
    double high = 0;
};

std::string NotDrawable(std::string_view name, double value, std::int32_t turn)
{
    const char* what = std::isnan(value) ? "není číslo" : value > 0 ? "nekonečno" : "minus nekonečno";
    return std::string(name) + ": " + what + " od tahu " + std::to_string(turn);
}

// One curve of the recording, in pieces, with the note for its first value
// that cannot be drawn.
ChartCurve CurveOf(const TurnRecording& recording, double TurnSample::*field, double scale, std::string_view name,
                   std::vector<std::string>& notes)
{
    ChartCurve curve;
    bool inPiece = false;
    bool noted = false;
    for (const TurnSample& sample : recording.samples) {
        const double value = sample.*field;
        if (!std::isfinite(value)) {
            if (!noted) {
                notes.push_back(NotDrawable(name, value, sample.turn));
                noted = true;
            }
            inPiece = false;
            continue;
        }
        if (!inPiece) {
            curve.emplace_back();
            inPiece = true;
        }
        curve.back().push_back({double(sample.turn), value / scale});
    }
    return curve;
}

ChartCurve BelowZero(const ChartCurve& curve)
{
    ChartCurve clipped = curve;
    for (auto& piece : clipped) {
        for (ChartPoint& p : piece) {
            p.value = std::min(p.value, 0.0);
        }
    }
    return clipped;
}

Range FiniteRange(const TurnRecording& recording)
{
    Range range;
    for (const TurnSample& s : recording.samples) {
        for (const double v : {s.gold, s.mana}) {
            if (std::isfinite(v)) {
                range.low = std::min(range.low, v);
                range.high = std::max(range.high, v);
            }
        }
    }
    return range;
}

// A power of ten that brings the largest amount below kLargestDrawnAmount.
double ScaleFor(const Range& range)
{
    const double largest = std::max(-range.low, range.high);
    if (largest < kLargestDrawnAmount) {
        return 1;
    }
    return std::pow(10.0, std::floor(std::log10(largest)) - 2);
}

ChartAxis AxisOver(double low, double high, double margin)
{
    ChartAxis axis;
    axis.min = low - (low < 0 ? margin : 0);
    axis.max = high + margin;
    axis.tickInterval = RoundTickInterval(axis.max - axis.min, kTickParts);
    return axis;
}

// Czech digit groups, as the player reads amounts: "-1 500" with no-break
// spaces. Amounts too large for whole digits keep their exponent.
std::string Amount(double value)
{
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "není číslo" : value > 0 ? "nekonečno" : "minus nekonečno";
    }
    if (std::fabs(value) >= kLargestDrawnAmount * 1000) {
        return GeneralFigure(value);
    }
    const std::int64_t whole = RoundHalfEven(value);
    const std::string digits = FormatCount(whole < 0 ? -whole : whole);
    std::string grouped = whole < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += "\u00a0";
        }
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

double RoundTickInterval(double span, int parts)
{
    if (!(span > 0) || !std::isfinite(span) || parts < 1) {
        return 1;
    }
    const double rough = span / parts;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double step : {1.0, 2.0, 5.0}) {
        if (rough <= step * power) {
            return step * power;
        }
    }
    return 10 * power;
}

ChartModel MakeChartModel(const TurnRecording& recording)
{
    ChartModel model;
    const Range range = FiniteRange(recording);
    model.amountScale = ScaleFor(range);
    model.amountTitle = model.amountScale == 1 ? "zl / mn" : "zl / mn (× " + GeneralFigure(model.amountScale) + ")";
    model.gold = CurveOf(recording, &TurnSample::gold, model.amountScale, "zlato", model.notes);
    model.mana = CurveOf(recording, &TurnSample::mana, model.amountScale, "mana", model.notes);
    model.goldBelowZero = BelowZero(model.gold);
    model.manaBelowZero = BelowZero(model.mana);

    const double low = range.low / model.amountScale;
    const double high = range.high / model.amountScale;
    model.amounts = AxisOver(low, high, std::max((high - low) * 0.05, 1.0));
    const double firstTurn = recording.empty() ? 0 : recording.samples.front().turn;
    const double lastTurn = recording.empty() ? 1 : std::max(recording.samples.back().turn, 1);
    model.turns = {firstTurn, lastTurn, RoundTickInterval(lastTurn - firstTurn, kTickParts)};

    for (const RecordedLine& line : recording.lines) {
        model.lineStarts.push_back({double(line.first.turn), DecodeWindows1250(line.unit), line.fileLine});
    }
    return model;
}

const TurnSample* NearestSample(const TurnRecording& recording, double turn)
{
    const auto& samples = recording.samples;
    if (samples.empty()) {
        return nullptr;
    }
    const auto after = std::lower_bound(samples.begin(), samples.end(), turn,
                                        [](const TurnSample& s, double t) { return s.turn < t; });
    if (after == samples.end()) {
        return &samples.back();
    }
    if (after != samples.begin() && turn - std::prev(after)->turn < after->turn - turn) {
        return &*std::prev(after);
    }
    return &*after;
}

std::string UnitOfLine(const TurnRecording& recording, std::int32_t fileLine)
{
    for (const RecordedLine& line : recording.lines) {
        if (line.fileLine == fileLine) {
            return DecodeWindows1250(line.unit);
        }
    }
    return {};
}

std::string TurnTip(const TurnSample& s, std::string_view unit)
{
    return "tah " + std::to_string(s.turn) + ", řádek " + std::to_string(s.fileLine) + " (" + std::string(unit) +
           ")\nzl: " + Amount(s.gold) + "   mn: " + Amount(s.mana) + "\nzl/TU: " + Amount(s.goldUpkeep) +
           "   mn/TU: " + Amount(s.manaUpkeep) + "\npříjem zl: " + Amount(s.goldIncome) +
           "   mn: " + Amount(s.manaIncome) + "\nDMG: " + Amount(s.damage);
}

}  // namespace zef
