#include "ui/ShapeControl.h"

#include <QPainter>

ShapeControl::ShapeControl(const char* name, QWidget* parent, int borderWidth)
    : QWidget(parent), borderWidth_(borderWidth)
{
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::setBorderWidth(int pixels)
{
    borderWidth_ = pixels;
    update();
}

void ShapeControl::setBorderColour(const QColor& colour)
{
    border_ = colour;
    update();
}

void ShapeControl::setFillColour(const QColor& colour)
{
    fill_ = colour;
    update();
}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (fill_.isValid())
        painter.fillRect(rect(), fill_);
    const int b = borderWidth_;
    if (b <= 0)
        return;
    // The border lies inside the shape's rectangle.
    painter.fillRect(0, 0, width(), b, border_);
    painter.fillRect(0, height() - b, width(), b, border_);
    painter.fillRect(0, 0, b, height(), border_);
    painter.fillRect(width() - b, 0, b, height(), border_);
}

ShapeControl* makeLine(const char* name, QWidget* parent, int thickness)
{
    auto* line = new ShapeControl(name, parent, thickness);
    line->setFillColour(Qt::black);
    line->resize(line->width(), thickness);
    return line;
}
