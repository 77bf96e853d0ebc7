// How a report view shows the accumulated report followed by one line
// break. The report only grows, so a refresh appends just the new part
// (setting the whole text of a megabyte's report is slow in every toolkit)
// while the view still holds what was put there last; anything else (the
// player edited the view, the report was replaced) reloads it whole.
#pragma once

#include <cstddef>
#include <string>

namespace zef {

// The view's text control, as a front end has it. Positions and lengths
// count the control's own units.
class ReportControl {
public:
    virtual ~ReportControl() = default;
    // Replaces the whole text by `text` (UTF-8) and one line break; returns
    // the length of `text`.
    virtual std::size_t setText(const std::string& text) = 0;
    // Puts `text` (UTF-8) at `position`; returns its length.
    virtual std::size_t insertText(std::size_t position, const std::string& text) = 0;
    // Puts the caret at the end and shows it.
    virtual void scrollToEnd() = 0;
};

class ReportFeed {
public:
    explicit ReportFeed(ReportControl& control) : control_(control) {}

    // Shows `report` (Windows-1250, CR LF) and scrolls to its end.
    void show(const std::string& report);
    // The control's text changed; unless show() changed it, the next show
    // reloads it whole.
    void changed();

private:
    ReportControl& control_;
    std::size_t shownBytes_ = 0;  // of the report
    std::size_t shownUnits_ = 0;  // of the control, before the closing line break
    bool inSync_ = false;
    bool updating_ = false;
};

}  // namespace zef
