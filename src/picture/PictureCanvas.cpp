#include "picture/PictureCanvas.h"

#include "core/TextFile.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

PictureCanvas::PictureCanvas(int widthPx, int heightPx)
{
    font = QFont(QStringLiteral("Sans Serif"), 8);
    resize(widthPx, heightPx);
}

void PictureCanvas::resize(int widthPx, int heightPx)
{
    image_ = QImage(std::max(1, widthPx), std::max(1, heightPx), QImage::Format_RGB32);
    resetScale();
    clear();
}

void PictureCanvas::setScale(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = width == 0 ? 1 : width;
    height_ = height == 0 ? 1 : height;
}

void PictureCanvas::resetScale()
{
    setScale(0, 0, image_.width(), image_.height());
}

QPointF PictureCanvas::toPixel(double x, double y) const
{
    return {(x - left_) * image_.width() / width_, (y - top_) * image_.height() / height_};
}

QPointF PictureCanvas::toLogical(const QPointF& pixel) const
{
    return {left_ + pixel.x() * width_ / image_.width(), top_ + pixel.y() * height_ / image_.height()};
}

QRect PictureCanvas::pixelRect(double x1, double y1, double x2, double y2) const
{
    const QPointF a = toPixel(x1, y1);
    const QPointF b = toPixel(x2, y2);
    const int l = int(std::floor(std::min(a.x(), b.x())));
    const int r = int(std::floor(std::max(a.x(), b.x())));
    const int t = int(std::floor(std::min(a.y(), b.y())));
    const int btm = int(std::floor(std::max(a.y(), b.y())));
    return QRect(QPoint(l, t), QPoint(r, btm));
}

void PictureCanvas::clear()
{
    ++clears_;
    image_.fill(backColor);
    currentX = left_;
    currentY = top_;
}

void PictureCanvas::point(double x, double y, const QColor& colour)
{
    const QPointF p = toPixel(x, y);
    const int px = int(std::floor(p.x()));
    const int py = int(std::floor(p.y()));
    if (drawWidth <= 1) {
        if (image_.rect().contains(px, py))
            image_.setPixelColor(px, py, colour);
    } else {
        QPainter painter(&image_);
        const int half = drawWidth / 2;
        painter.fillRect(QRect(px - half, py - half, drawWidth, drawWidth), colour);
    }
    currentX = x;
    currentY = y;
}

void PictureCanvas::line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    QPainter painter(&image_);
    QPen pen(colour);
    pen.setWidth(std::max(1, drawWidth));
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    const QPointF a = toPixel(x1, y1);
    const QPointF b = toPixel(x2, y2);
    painter.drawLine(QPoint(int(std::floor(a.x())), int(std::floor(a.y()))),
                     QPoint(int(std::floor(b.x())), int(std::floor(b.y()))));
    currentX = x2;
    currentY = y2;
}

void PictureCanvas::box(double x1, double y1, double x2, double y2, const QColor& colour)
{
    const QRect r = pixelRect(x1, y1, x2, y2);
    QPainter painter(&image_);
    if (fillStyle == FillStyle::Solid)
        painter.fillRect(r, fillColor);
    QPen pen(colour);
    pen.setWidth(std::max(1, drawWidth));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (r.width() <= 1 || r.height() <= 1)
        painter.fillRect(r, colour);
    else
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    currentX = x2;
    currentY = y2;
}

void PictureCanvas::filledBox(double x1, double y1, double x2, double y2, const QColor& colour)
{
    QPainter painter(&image_);
    painter.fillRect(pixelRect(x1, y1, x2, y2), colour);
    currentX = x2;
    currentY = y2;
}

void PictureCanvas::circle(double x, double y, double radius, const QColor& colour)
{
    const QPointF c = toPixel(x, y);
    const double r = std::fabs(radius * image_.width() / width_);
    QPainter painter(&image_);
    QPen pen(colour);
    pen.setWidth(std::max(1, drawWidth));
    painter.setPen(pen);
    painter.setBrush(fillStyle == FillStyle::Solid ? QBrush(fillColor) : QBrush(Qt::NoBrush));
    painter.drawEllipse(c, r, r);
    currentX = x;
    currentY = y;
}

void PictureCanvas::print(const QString& text)
{
    QPainter painter(&image_);
    painter.setFont(font);
    painter.setPen(foreColor);
    const QFontMetricsF fm(font, &image_);
    const QPointF p = toPixel(currentX, currentY);
    painter.drawText(QPointF(p.x(), p.y() + fm.ascent()), text);
    currentX = left_;
    currentY += fm.height() * height_ / image_.height();
}

double PictureCanvas::textWidth(const QString& text) const
{
    return QFontMetricsF(font, &image_).horizontalAdvance(text) * width_ / image_.width();
}

double PictureCanvas::textHeight(const QString& text) const
{
    Q_UNUSED(text);
    return QFontMetricsF(font, &image_).height() * height_ / image_.height();
}

QByteArray PictureCanvas::bmpBytes() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image_.save(&buffer, "BMP"))
        return QByteArray();
    return bytes;
}

bool PictureCanvas::saveBmp(const QString& path) const
{
    // Written beside and renamed into place: a full disk leaves the file as it
    // was instead of cut short, and the failure is reported.
    const QByteArray bytes = bmpBytes();
    return !bytes.isEmpty() && writeFileBytes(path, bytes);
}
