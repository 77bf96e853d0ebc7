#include "turn_csv.h"

#include "windows1250.h"

#include <array>
#include <charconv>

namespace zef {

namespace {

constexpr std::string_view kHeader =
    "turn,line,unit,gold,mana,gold_upkeep,mana_upkeep,gold_income,mana_income,damage\r\n";

// Longer than any shortest round-trip double ("-2.2250738585072014e-308").
constexpr std::size_t kNumberChars = 32;

template <typename Number>
void AppendField(std::string& row, Number value)
{
    std::array<char, kNumberChars> digits;
    const std::to_chars_result end = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    row += ',';
    row.append(digits.data(), end.ptr);
}

}  // namespace

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

std::string SpreadsheetText(std::string_view text)
{
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos) {
        return "'" + std::string(text);
    }
    return std::string(text);
}

std::uint64_t SmallestCsvBytes(std::uint64_t turns)
{
    // Each row: the turn's digits, then at least one digit for the line, an
    // empty unit, a digit for each of the seven numbers, nine commas and CR LF.
    constexpr std::uint64_t kRowBesidesTheTurn = 1 + 7 + 9 + 2;
    std::uint64_t bytes = kHeader.size() + turns * kRowBesidesTheTurn;
    std::uint64_t digits = 1;
    for (std::uint64_t first = 1; first <= turns; first *= 10, ++digits) {
        const std::uint64_t last = first > turns / 10 ? turns : first * 10 - 1;
        bytes += (last - first + 1) * digits;
    }
    return bytes;
}

TurnCsvWriter::TurnCsvWriter(Output output) : output_(std::move(output)) {}

void TurnCsvWriter::writeHeader() { output_(kHeader); }

void TurnCsvWriter::observe(const TurnRecord& r)
{
    // unitField_ carries its leading comma, so it is empty only before the first row.
    if (unitField_.empty() || unitLine_ != r.fileLine) {
        unitLine_ = r.fileLine;
        unitField_ = "," + CsvField(SpreadsheetText(Windows1250ToUtf8(r.unit)));
    }
    row_.assign(std::to_string(r.turn));
    AppendField(row_, r.fileLine);
    row_ += unitField_;
    for (const double value : {r.gold, r.mana, r.goldUpkeep, r.manaUpkeep, r.goldIncome, r.manaIncome, r.damage}) {
        AppendField(row_, value);
    }
    row_ += "\r\n";
    output_(row_);
}

}  // namespace zef
