#include "report_view.h"

#include "qt_text.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace zef {

ReportView::ReportView(QPlainTextEdit* view) : QObject(view), view_(view)
{
    connect(view_->document(), &QTextDocument::contentsChanged, this, [this] { feed_.changed(); });
}

std::size_t ReportView::setText(const std::string& text)
{
    const QString shown = FromUtf8(text);
    view_->setPlainText(shown + u'\n');
    return std::size_t(shown.size());
}

std::size_t ReportView::insertText(std::size_t position, const std::string& text)
{
    const QString shown = FromUtf8(text);
    QTextCursor cursor(view_->document());
    cursor.setPosition(int(position));
    cursor.insertText(shown);
    return std::size_t(shown.size());
}

void ReportView::scrollToEnd()
{
    view_->moveCursor(QTextCursor::End);
    view_->ensureCursorVisible();
}

}  // namespace zef
