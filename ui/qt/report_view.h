// Keeps the report view equal to the accumulated report followed by one line
// break. The report only grows, so a refresh appends just the new part while
// the view still holds what was put there last; anything else (the user
// edited the view, the report was replaced) reloads it whole.
#pragma once

#include <QObject>

#include <cstddef>
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
    void reload(const std::string& report);
    void append(const std::string& report);

    QPlainTextEdit* view_;
    std::size_t shownBytes_ = 0;
    int shownCharacters_ = 0;
    bool inSync_ = false;
    bool updating_ = false;
};

}  // namespace zef
