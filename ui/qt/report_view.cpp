#include "report_view.h"

#include "qt_text.h"
#include "windows1250.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace zef {

ReportView::ReportView(QPlainTextEdit* view) : QObject(view), view_(view)
{
    connect(view_->document(), &QTextDocument::contentsChanged, this, [this] {
        if (!updating_) {
            inSync_ = false;
        }
    });
}

void ReportView::show(const std::string& report)
{
    updating_ = true;
    // A CR at the old end could pair with an LF at the start of the new part,
    // which decodes differently in two pieces.
    const bool appendable =
        inSync_ && report.size() >= shownBytes_ && (shownBytes_ == 0 || report[shownBytes_ - 1] != '\r');
    if (appendable) {
        append(report);
    } else {
        reload(report);
    }
    view_->moveCursor(QTextCursor::End);
    view_->ensureCursorVisible();
    updating_ = false;
    inSync_ = true;
}

void ReportView::reload(const std::string& report)
{
    const QString text = FromUtf8(DecodeWindows1250(report));
    view_->setPlainText(text + u'\n');
    shownBytes_ = report.size();
    shownCharacters_ = int(text.size());
}

void ReportView::append(const std::string& report)
{
    if (report.size() == shownBytes_) {
        return;
    }
    const QString added = FromUtf8(DecodeWindows1250(std::string_view(report).substr(shownBytes_)));
    // The new text goes before the closing line break that follows the report.
    QTextCursor cursor(view_->document());
    cursor.setPosition(shownCharacters_);
    cursor.insertText(added);
    shownBytes_ = report.size();
    shownCharacters_ += int(added.size());
}

}  // namespace zef
