// The line structure of the two data files, on their bytes, so that a file on
// disk and a text held in memory are read alike.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zef {

// CR LF or a bare LF ends a line, a lone CR is dropped, a byte 26 ends the
// file, and the last line needs no line end. Bytes pass through untouched.
//
// The lines one at a time, so that a reader that has what it needs stops
// without going through the rest of a large file.
class DataLines {
public:
    explicit DataLines(std::string_view bytes);
    // The next line into `line`; false at the end.
    bool next(std::string& line);

private:
    std::string_view rest_;
};

// Every line at once.
std::vector<std::string> SplitDataLines(std::string_view bytes);

}  // namespace zef
