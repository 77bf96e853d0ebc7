#include "treasury_chart.h"

#include "file_replace.h"
#include "painter_canvas.h"
#include "qt_text.h"
#include "window_texts.h"

#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace zef {

namespace {

CanvasPoint PointOf(const QMouseEvent& event) { return {event.position().x(), event.position().y()}; }

bool WriteFile(const QString& path, std::string_view bytes)
{
    return !ReplaceFileVerified(QFile::encodeName(path).toStdString(), bytes);
}

}  // namespace

TreasuryChart::TreasuryChart(QWidget* parent) : QWidget(parent, Qt::Window), SecondWindow(static_cast<QWidget&>(*this))
{
    setWindowTitle(FromUtf8(kChartWindowTitle));
    setMouseTracking(true);
    auto* savePng = new QPushButton(FromUtf8(kSavePngButton), this);
    auto* saveSvg = new QPushButton(FromUtf8(kSaveSvgButton), this);
    connect(savePng, &QPushButton::clicked, this,
            [this] { AskAndExport(FromUtf8(kPngFilter), QStringLiteral("png"), &TreasuryChart::exportPng); });
    connect(saveSvg, &QPushButton::clicked, this,
            [this] { AskAndExport(FromUtf8(kSvgFilter), QStringLiteral("svg"), &TreasuryChart::exportSvg); });
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 8, 8, 8);
    buttons->addStretch();
    buttons->addWidget(savePng);
    buttons->addWidget(saveSvg);
    buttons_ = buttons;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(kChartWidth, kChartHeight + buttons_->sizeHint().height());
}

QSize TreasuryChart::ChartSize() const { return {width(), std::max(0, height() - buttons_->sizeHint().height())}; }

void TreasuryChart::showRecording(const TurnRecording& recording, ChartSource source)
{
    core_.show(recording, source);
    update();
}

void TreasuryChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PainterCanvas canvas(painter);
    const QSize size = ChartSize();
    core_.paint(canvas, size.width(), size.height(), 1);
}

void TreasuryChart::mouseMoveEvent(QMouseEvent* event)
{
    if (core_.pointerMoved(PointOf(*event))) {
        update();
    }
}

void TreasuryChart::mousePressEvent(QMouseEvent* event)
{
    if (core_.clicked(PointOf(*event))) {
        update();
    }
}

void TreasuryChart::leaveEvent(QEvent*)
{
    if (core_.pointerLeft()) {
        update();
    }
}

QString TreasuryChart::hoverText() const { return FromUtf8(core_.hoverText()); }

QRectF TreasuryChart::plotArea() const
{
    const std::optional<ChartPlot>& plot = core_.plot();
    return plot ? QRectF(QPointF(plot->left, plot->top), QPointF(plot->right, plot->bottom)) : QRectF();
}

bool TreasuryChart::exportPng(const QString& path)
{
    const QSize size = ChartSize();
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        DrawChart(canvas, core_.model(), size.width(), size.height(), 1);
    }
    QByteArray png;
    QBuffer buffer(&png);
    return image.save(&buffer, "PNG") && WriteFile(path, std::string_view(png.constData(), std::size_t(png.size())));
}

bool TreasuryChart::exportSvg(const QString& path)
{
    const QSize size = ChartSize();
    return WriteFile(path, ChartSvg(core_.model(), size.width(), size.height()));
}

void TreasuryChart::AskAndExport(const QString& filter, const QString& suffix,
                                 bool (TreasuryChart::*write)(const QString&))
{
    QString path =
        QFileDialog::getSaveFileName(this, FromUtf8(kSaveChartTitle), FromUtf8(kChartFileStem) + u'.' + suffix, filter);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += u'.' + suffix;
    }
    if (!(this->*write)(path)) {
        QMessageBox::critical(this, FromUtf8(kQuestionCaption), FromUtf8(ChartNotSavedMessage(ToUtf8(path))));
    }
}

}  // namespace zef
