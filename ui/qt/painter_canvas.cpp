#include "painter_canvas.h"

#include "chart_font.h"
#include "qt_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace zef {

QColor Colour(Rgba colour) { return QColor(colour.r, colour.g, colour.b, colour.a); }

namespace {

QPolygonF Polygon(const std::vector<CanvasPoint>& points)
{
    QPolygonF polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const CanvasPoint& p : points) {
        polygon.append({p.x, p.y});
    }
    return polygon;
}

// The face the SVG names, where the system has it.
QFont Font(const TextStyle& style)
{
    QFont font(FromUtf8(kChartFontFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(std::lround(style.size)));
    font.setBold(style.bold);
    return font;
}

}  // namespace

void PainterCanvas::fillRectangle(double x, double y, double width, double height, Rgba colour)
{
    painter_.fillRect(QRectF(x, y, width, height), Colour(colour));
}

void PainterCanvas::fillPolygon(const std::vector<CanvasPoint>& points, Rgba colour)
{
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Colour(colour));
    painter_.drawPolygon(Polygon(points));
}

void PainterCanvas::polyline(const std::vector<CanvasPoint>& points, Rgba colour, double width, bool dashed)
{
    QPen pen(Colour(colour), width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    if (dashed) {
        // In pen widths, as the SVG's: four on, three off.
        pen.setDashPattern({4, 3});
    }
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(Polygon(points));
}

void PainterCanvas::text(double x, double y, std::string_view utf8, const TextStyle& style)
{
    const QString text = FromUtf8(utf8);
    const QFont font = Font(style);
    const QFontMetricsF metrics(font, painter_.device());
    const double width = metrics.horizontalAdvance(text);
    const double shift = style.anchor == TextAnchor::Middle ? -width / 2 : style.anchor == TextAnchor::End ? -width : 0;
    painter_.save();
    painter_.setFont(font);
    painter_.setPen(Colour(style.colour));
    painter_.translate(x, y);
    if (style.vertical) {
        painter_.rotate(-90);
    }
    painter_.drawText(QPointF(shift, metrics.ascent()), text);
    painter_.restore();
}

TextExtent PainterCanvas::measure(std::string_view utf8, const TextStyle& style)
{
    const QFontMetricsF metrics(Font(style), painter_.device());
    return {metrics.horizontalAdvance(FromUtf8(utf8)), metrics.height(), metrics.ascent()};
}

}  // namespace zef
