#include "report_view.h"

#include "qt_text.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace zef {

ReportView::ReportView(QPlainTextEdit* view) : QObject(view), view_(view)
{
    connect(view_->document(), &QTextDocument::contentsChanged, this, [this] {
        if (!updating_) {
            feed_.viewEdited();
        }
    });
}

void ReportView::show(const std::string& report)
{
    updating_ = true;
    const ReportFeed::Update update = feed_.next(report);
    const QString text = FromUtf8(update.text);
    if (update.whole) {
        view_->setPlainText(text + u'\n');
        shownCharacters_ = int(text.size());
    } else if (!text.isEmpty()) {
        QTextCursor cursor(view_->document());
        cursor.setPosition(shownCharacters_);
        cursor.insertText(text);
        shownCharacters_ += int(text.size());
    }
    view_->moveCursor(QTextCursor::End);
    view_->ensureCursorVisible();
    updating_ = false;
}

}  // namespace zef
