// rekrut.txt with its plan lines replaced by others: every directive and
// comment kept where it stands, the new lines where the first plan line
// stood, a factor other than 1 set to 1 and file order switched on when the
// new lines' order matters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zef {

struct WrittenLine {
    std::int64_t row;
    double amount;     // a whole number
    std::string name;  // the row's name in the catalogue (Windows-1250)
};

// Windows-1250 text with CR LF line ends.
std::string RewritePlan(std::string_view planBytes, const std::vector<WrittenLine>& lines, bool fileOrder);

}  // namespace zef
