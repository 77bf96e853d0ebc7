// Every simulated turn of a run as CSV (RFC 4180: CR LF rows, a header row,
// fields quoted when they hold a comma, a quote or a line break), in UTF-8,
// with numbers in their shortest text that reads back to the same double.
// Rows are handed on as the turns happen, so a long run needs no more memory
// than a short one.
#pragma once

#include "turn_observer.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zef {

// A failed write: what() names the file and the reason.
class CsvWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One field as RFC 4180 wants it: quoted, with quotes doubled, only when needed.
std::string CsvField(std::string_view text);

// A text that a spreadsheet would take for a formula (it begins with "=",
// "+", "-", "@", a tab or a CR) gets a leading apostrophe, which spreadsheets
// read as "this is text". The unit names come from a catalogue the player may
// have been given by someone else.
std::string SpreadsheetText(std::string_view text);

// The fewest bytes the CSV of a run of `turns` turns can take: the header and
// rows with the shortest fields the writer ever writes.
std::uint64_t SmallestCsvBytes(std::uint64_t turns);

class TurnCsvWriter : public TurnObserver {
public:
    // Where the CSV's bytes go; it throws CsvWriteError when they cannot.
    using Output = std::function<void(std::string_view bytes)>;

    explicit TurnCsvWriter(Output output);

    void writeHeader();
    void observe(const TurnRecord& record) override;

private:
    Output output_;
    // The current line's unit name, converted once per plan line.
    std::int32_t unitLine_ = 0;
    std::string unitField_;
    std::string row_;  // kept to reuse its storage
};

}  // namespace zef
