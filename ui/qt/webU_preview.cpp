// The window's side of the preview: the editor's changes start it after a
// pause, its result fills the preview line and underlines the lines with a
// warning, and the catalogue list writes unit numbers into the editor.
#include "webU.h"

#include "catalogue_list.h"
#include "frame_position.h"
#include "qt_text.h"
#include "treasury_chart.h"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextBlock>
#include <QTimer>

#include <memory>

namespace zef {

namespace {

// Long enough that a preview waits for a pause in typing, short enough that
// it seems to follow every key.
constexpr int kPreviewPauseMs = 150;
const QColor kWarningColour(0xb0, 0x00, 0x00);

}  // namespace

void TForm1::ConnectPreview()
{
    previewTimer_ = new QTimer(this);
    previewTimer_->setSingleShot(true);
    previewTimer_->setInterval(kPreviewPauseMs);
    connect(previewTimer_, &QTimer::timeout, this, [this] { previewWorker_.request(Memo4Text()); });
    connect(Memo4, &QPlainTextEdit::textChanged, this, &TForm1::Memo4Change);
    connect(Memo4, &QPlainTextEdit::cursorPositionChanged, this, &TForm1::ShowPreviewLabel);
    auto* catalogueKey = new QShortcut(QKeySequence(Qt::Key_F7), Memo4, nullptr, nullptr, Qt::WidgetShortcut);
    connect(catalogueKey, &QShortcut::activated, this, &TForm1::Memo4Catalogue);
    Memo4->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo4, &QWidget::customContextMenuRequested, this, &TForm1::Memo4ContextMenu);
}

void TForm1::Memo4Change()
{
    previewWorker_.cancel();
    previewTimer_->start();
    // Greyed until the preview of the text as it now stands comes.
    Label1->setEnabled(false);
    chartFollowsPreview_ = true;
}

void TForm1::ShowPreview(PlanPreview preview)
{
    if (!previewWorker_.current(preview)) {
        return;
    }
    if (preview_) {
        previewWorker_.handBack(std::move(*preview_));
    }
    preview_ = std::move(preview);
    Label1->setEnabled(true);
    MarkWarningLines();
    ShowPreviewLabel();
    // Until the text changes after a refresh, the chart shows that refresh.
    if (chartFollowsPreview_ && treasuryChart_ && treasuryChart_->isVisible()) {
        ShowInChart();
    }
}

void TForm1::ShowPreviewLabel()
{
    if (!preview_) {
        return;
    }
    const PreviewLabel label = PreviewLabelFor(*preview_, Memo4->textCursor().blockNumber() + 1);
    Label1->setText(Label1->fontMetrics().elidedText(FromUtf8(label.text), Qt::ElideRight, Label1->width()));
    Label1->setToolTip(FromUtf8(label.tip));
    QPalette palette = this->palette();
    if (label.warning) {
        // The window's background role makes its labels draw in the button text colour.
        palette.setColor(Label1->foregroundRole(), kWarningColour);
    }
    Label1->setPalette(palette);
}

void TForm1::MarkWarningLines()
{
    QTextCharFormat wavy;
    wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    wavy.setUnderlineColor(Qt::red);
    QList<QTextEdit::ExtraSelection> marks;
    for (const PlanLineReading& reading : preview_->readings) {
        const QTextBlock block = Memo4->document()->findBlockByNumber(reading.fileLine - 1);
        if (reading.warnings.empty() || !block.isValid()) {
            continue;
        }
        QTextCursor line(block);
        line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        marks.append({line, wavy});
    }
    Memo4->setExtraSelections(marks);
}

void TForm1::ShowInChart()
{
    if (chartFollowsPreview_ && preview_ && preview_->summary.hasFigures()) {
        treasuryChart_->showRecording(preview_->recording, ChartSource::Preview);
    } else {
        treasuryChart_->showRecording(core_.lastRecording());
    }
}

void TForm1::Memo4Catalogue()
{
    if (!catalogueList_) {
        catalogueList_ = new CatalogueList(this);
        connect(catalogueList_, &CatalogueList::unitChosen, this, &TForm1::InsertUnitNumber);
    }
    catalogueList_->showRows(core_.catalogueRows());
    ShowBeside(*catalogueList_, *this);
}

void TForm1::Memo4ContextMenu(const QPoint& at)
{
    const std::unique_ptr<QMenu> menu(Memo4->createStandardContextMenu());
    menu->addSeparator();
    menu->addAction(QStringLiteral("Jednotky z arm.txt…\tF7"), this, &TForm1::Memo4Catalogue);
    menu->exec(Memo4->viewport()->mapToGlobal(at));
}

void TForm1::InsertUnitNumber(int number)
{
    activateWindow();
    Memo4->setFocus();
    Memo4->insertPlainText(QString::number(number));
}

}  // namespace zef
