// Shows the accumulated report in the report view, appending what the core's
// ReportFeed says is new.
#pragma once

#include "report_feed.h"

#include <QObject>

#include <string>

class QPlainTextEdit;

namespace zef {

class ReportView : public QObject {
    Q_OBJECT

public:
    explicit ReportView(QPlainTextEdit* view);

    // Shows `report` (Windows-1250, CR LF) and scrolls to its end.
    void show(const std::string& report);

private:
    QPlainTextEdit* view_;
    ReportFeed feed_;
    int shownCharacters_ = 0;  // the report's characters in the view, before the closing break
    bool updating_ = false;
};

}  // namespace zef
