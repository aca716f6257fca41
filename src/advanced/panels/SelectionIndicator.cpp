#include "advanced/panels/SelectionIndicator.h"

#include <QPainter>

void SelectionIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(fill_ == PictureCanvas::FillStyle::Solid ? QBrush(Qt::black) : Qt::NoBrush);
    painter.drawEllipse(rect().adjusted(2, 2, -2, -2));
}
