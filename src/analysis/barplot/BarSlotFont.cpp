#include "analysis/barplot/BarSlotFont.h"

#include "picture/PictureCanvas.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSmallestPoints = 5.0;
constexpr double kPointStep = 0.25;

double pixelsPerUnit(const PictureCanvas& canvas) { return canvas.widthPx() / std::abs(canvas.scaleWidth()); }

} // namespace

QFont barSlotFont(const PictureCanvas& canvas, const QStringList& texts, double room)
{
    QFont font = canvas.font;
    if (canvas.widthPx() <= 0 || canvas.scaleWidth() == 0)
        return font;
    const double unitsPerPixel = 1.0 / pixelsPerUnit(canvas);
    const auto widest = [&](const QFont& f) {
        const QFontMetricsF metrics(f, &canvas.image());
        double width = 0;
        for (const QString& text : texts)
            width = std::max(width, metrics.horizontalAdvance(text) * unitsPerPixel);
        return width;
    };
    double points = font.pointSizeF() > 0 ? font.pointSizeF() : kSmallestPoints;
    while (points > kSmallestPoints && widest(font) > room) {
        points = std::max(kSmallestPoints, points - kPointStep);
        font.setPointSizeF(points);
    }
    return font;
}

QString fittedToSlot(const PictureCanvas& canvas, const QFont& font, const QString& text, double room)
{
    if (canvas.widthPx() <= 0 || canvas.scaleWidth() == 0)
        return text;
    const QFontMetricsF metrics(font, &canvas.image());
    return metrics.elidedText(text, Qt::ElideRight, room * pixelsPerUnit(canvas));
}
