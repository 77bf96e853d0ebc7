#include "report_feed.h"

#include "windows1250.h"

#include <string_view>

namespace zef {

void ReportFeed::show(const std::string& report)
{
    // A CR at the old end could pair with an LF at the start of the new part,
    // which decodes differently in two pieces.
    const bool appendable =
        inSync_ && report.size() >= shownBytes_ && (shownBytes_ == 0 || report[shownBytes_ - 1] != '\r');
    const std::string text = DecodeWindows1250(std::string_view(report).substr(appendable ? shownBytes_ : 0));
    updating_ = true;
    if (!appendable) {
        shownUnits_ = control_.setText(text);
    } else if (!text.empty()) {
        shownUnits_ += control_.insertText(shownUnits_, text);
    }
    control_.scrollToEnd();
    updating_ = false;
    shownBytes_ = report.size();
    inSync_ = true;
}

void ReportFeed::changed()
{
    if (!updating_) {
        inSync_ = false;
    }
}

}  // namespace zef
