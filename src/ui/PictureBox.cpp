#include "ui/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent, int widthPx, int heightPx)
    : QWidget(parent), canvas_(widthPx, heightPx)
{
    setFixedSize(widthPx, heightPx);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(rect(), canvas_.image());
}

QPointF PictureBox::logical(const QPointF& widgetPos) const
{
    const double sx = double(canvas_.widthPx()) / std::max(1, width());
    const double sy = double(canvas_.heightPx()) / std::max(1, height());
    return canvas_.toLogical(QPointF(widgetPos.x() * sx, widgetPos.y() * sy));
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = logical(event->position());
    emit mousePressed(event->button(), p.x(), p.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = logical(event->position());
    emit mouseReleased(event->button(), p.x(), p.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = logical(event->position());
    emit mouseMoved(event->buttons(), p.x(), p.y());
}
