// What a report view must do to show the accumulated report followed by one
// line break. The report only grows, so a refresh appends just the new part
// (setting the whole text of a megabyte's report is slow in every toolkit)
// while the view still holds what was put there last; anything else (the
// player edited the view, the report was replaced) reloads it whole.
#pragma once

#include <cstddef>
#include <string>

namespace zef {

class ReportFeed {
public:
    struct Update {
        bool whole = false;  // replace the view's text by `text` and a line break
        std::string text;    // UTF-8; when not whole, goes before the closing line break
    };

    // What shows `report` (Windows-1250, CR LF); the view applies it before
    // the next call.
    Update next(const std::string& report);
    // The view's text was changed by someone else: the next update is whole.
    void viewEdited() { inSync_ = false; }

private:
    std::size_t shownBytes_ = 0;
    bool inSync_ = false;
};

}  // namespace zef
