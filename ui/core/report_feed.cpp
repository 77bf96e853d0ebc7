#include "report_feed.h"

#include "windows1250.h"

#include <string_view>

namespace zef {

ReportFeed::Update ReportFeed::next(const std::string& report)
{
    // A CR at the old end could pair with an LF at the start of the new part,
    // which decodes differently in two pieces.
    const bool appendable =
        inSync_ && report.size() >= shownBytes_ && (shownBytes_ == 0 || report[shownBytes_ - 1] != '\r');
    const std::size_t from = appendable ? shownBytes_ : 0;
    shownBytes_ = report.size();
    inSync_ = true;
    return {!appendable, DecodeWindows1250(std::string_view(report).substr(from))};
}

}  // namespace zef
