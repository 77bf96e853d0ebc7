// Shows the accumulated report in the report view, as the core's ReportFeed
// says: whole, or only what is new.
#pragma once

#include "report_feed.h"

#include <QObject>

#include <string>

class QPlainTextEdit;

namespace zef {

class ReportView : public QObject, private ReportControl {
    Q_OBJECT

public:
    explicit ReportView(QPlainTextEdit* view);

    // Shows `report` (Windows-1250, CR LF) and scrolls to its end.
    void show(const std::string& report) { feed_.show(report); }

private:
    std::size_t setText(const std::string& text) override;
    std::size_t insertText(std::size_t position, const std::string& text) override;
    void scrollToEnd() override;

    QPlainTextEdit* view_;
    ReportFeed feed_{*this};
};

}  // namespace zef
