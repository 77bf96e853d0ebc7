// Shows the accumulated report in the report view, a multi-line edit control,
// as the core's ReportFeed says: whole, or only what is new (EM_REPLACESEL).
#pragma once

#include "report_feed.h"
#include "win32_api.h"

#include <string>

namespace zef {

class ReportView : private ReportControl {
public:
    // `view` holds any length of text (EM_SETLIMITTEXT 0).
    explicit ReportView(HWND view) : view_(view) {}

    // Shows `report` (Windows-1250, CR LF) and scrolls to its end.
    void show(const std::string& report) { feed_.show(report); }
    // The view's text changed (EN_CHANGE).
    void changed() { feed_.changed(); }

private:
    // In UTF-16 units, CR LF counting two.
    std::size_t setText(const std::string& text) override;
    std::size_t insertText(std::size_t position, const std::string& text) override;
    void scrollToEnd() override;

    HWND view_;
    ReportFeed feed_{*this};
};

}  // namespace zef
