#include "chart_model.h"

#include "czech_figures.h"
#include "report_format.h"
#include "window_texts.h"
#include "windows1250.h"

#include <algorithm>
#include <charconv>
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
    return std::string(name) + ": " + CzechAmount(value) + " od tahu " + std::to_string(turn);
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

// The finite values of the fields, and zero.
Range FiniteRange(const TurnRecording& recording, std::initializer_list<double TurnSample::*> fields)
{
    Range range;
    for (const TurnSample& s : recording.samples) {
        for (const auto field : fields) {
            const double v = s.*field;
            if (std::isfinite(v)) {
                range.low = std::min(range.low, v);
                range.high = std::max(range.high, v);
            }
        }
    }
    return range;
}

// The power of ten of `x` (finite, above zero) in decimal notation, and ten to
// a power, through decimal text rather than log10 and pow, whose last bits
// differ between C libraries: every system finds the same ticks and scales.
int DecimalExponent(double x)
{
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, x, std::chars_format::scientific).ptr;
    const char* digits = std::find(static_cast<const char*>(text), end, 'e') + 1;
    int exponent = 0;
    std::from_chars(digits + (*digits == '+' ? 1 : 0), end, exponent);
    return exponent;
}

double PowerOfTen(int exponent)
{
    const std::string text = "1e" + std::to_string(exponent);
    double power = 0;
    std::from_chars(text.data(), text.data() + text.size(), power);
    return power;
}

// A power of ten that brings the largest amount below kLargestDrawnAmount.
double ScaleFor(const Range& range)
{
    const double largest = std::max(-range.low, range.high);
    if (largest < kLargestDrawnAmount) {
        return 1;
    }
    return PowerOfTen(DecimalExponent(largest) - 2);
}

// The axis of values over `range`, with a margin, in a unit that can be drawn.
ChartAxis ValueAxis(const Range& range, const std::string& name)
{
    ChartAxis axis;
    axis.scale = ScaleFor(range);
    const double low = range.low / axis.scale;
    const double high = range.high / axis.scale;
    const double margin = std::max((high - low) * 0.05, 1.0);
    axis.min = low - (low < 0 ? margin : 0);
    axis.max = high + margin;
    axis.tickInterval = RoundTickInterval(axis.max - axis.min, kTickParts);
    axis.title = axis.scale == 1 ? name : name + " (× " + GeneralFigure(axis.scale) + ")";
    return axis;
}

}  // namespace

double RoundTickInterval(double span, int parts)
{
    if (!(span > 0) || !std::isfinite(span) || parts < 1) {
        return 1;
    }
    const double rough = span / parts;
    const double power = PowerOfTen(DecimalExponent(rough));
    for (const double step : {1.0, 2.0, 5.0}) {
        if (rough <= step * power) {
            return step * power;
        }
    }
    return 10 * power;
}

ChartModel MakeChartModel(const TurnRecording& recording, ChartSource source)
{
    ChartModel model;
    model.title = kChartTitle;
    if (source == ChartSource::Preview) {
        model.title += " – náhled plánu z editoru, ne poslední obnovení";
    } else if (source == ChartSource::BestPlan) {
        model.title += " – nejlepší nalezený plán, ne poslední obnovení";
    }
    model.amounts = ValueAxis(FiniteRange(recording, {&TurnSample::gold, &TurnSample::mana}), "zl / mn");
    model.damage = ValueAxis(FiniteRange(recording, {&TurnSample::damage}), "DMG");
    model.gold = CurveOf(recording, &TurnSample::gold, model.amounts.scale, "zlato", model.notes);
    model.mana = CurveOf(recording, &TurnSample::mana, model.amounts.scale, "mana", model.notes);
    model.damageCurve = CurveOf(recording, &TurnSample::damage, model.damage.scale, "DMG", model.notes);
    model.goldBelowZero = BelowZero(model.gold);
    model.manaBelowZero = BelowZero(model.mana);

    const double firstTurn = recording.empty() ? 0 : recording.samples.front().turn;
    const double lastTurn = recording.empty() ? 1 : std::max(recording.samples.back().turn, 1);
    model.turns = {.min = firstTurn,
                   .max = lastTurn,
                   .tickInterval = RoundTickInterval(lastTurn - firstTurn, kTickParts),
                   .title = std::string(kTurnAxisTitle)};

    for (const RecordedLine& line : recording.lines) {
        model.lineStarts.push_back({double(line.first.turn), DecodeWindows1250(line.unit), line.fileLine});
    }
    return model;
}

std::vector<int> LabelRows(const std::vector<LabelSpan>& labels)
{
    std::vector<double> rowEnds;  // where the last label of each row ends
    std::vector<int> rows;
    for (const LabelSpan& label : labels) {
        const auto free = std::ranges::find_if(rowEnds, [&](double end) { return end <= label.left; });
        rows.push_back(static_cast<int>(free - rowEnds.begin()));
        if (free == rowEnds.end()) {
            rowEnds.push_back(label.left + label.width);
        } else {
            *free = label.left + label.width;
        }
    }
    return rows;
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
           ")\nzl: " + CzechAmount(s.gold) + "   mn: " + CzechAmount(s.mana) + "\nzl/TU: " + CzechAmount(s.goldUpkeep) +
           "   mn/TU: " + CzechAmount(s.manaUpkeep) + "\npříjem zl: " + CzechAmount(s.goldIncome) +
           "   mn: " + CzechAmount(s.manaIncome) + "\nDMG: " + CzechAmount(s.damage);
}

}  // namespace zef
