// Shows the accumulated report in the report view (a multi-line edit
// control), appending what the core's ReportFeed says is new
// (EM_REPLACESEL; setting the whole text of a megabyte's report costs more
// than a second).
#pragma once

#include "report_feed.h"
#include "win32_api.h"

#include <cstddef>
#include <string>

namespace zef {

class ReportView {
public:
    // `view` holds any length of text (EM_SETLIMITTEXT 0).
    explicit ReportView(HWND view) : view_(view) {}

    // Shows `report` (Windows-1250, CR LF) and scrolls to its end.
    void show(const std::string& report);
    // The view's text changed (EN_CHANGE); unless show() changed it, the
    // next show() reloads.
    void changed();

private:
    HWND view_;
    ReportFeed feed_;
    std::size_t shownCharacters_ = 0;  // UTF-16 units of the report in the view, CR LF counting two
    bool updating_ = false;
};

}  // namespace zef
