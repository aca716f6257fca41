#include "ui/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

PictureBox::PictureBox(QWidget* parent, int widthPx, int heightPx)
    : QWidget(parent), canvas_(widthPx, heightPx)
{
    setFixedSize(widthPx, heightPx);
}

void PictureBox::setSizedByLayout()
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void PictureBox::fitCanvas()
{
    if (canvas_.widthPx() != width() || canvas_.heightPx() != height())
        canvas_.resize(std::max(1, width()), std::max(1, height()));
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(rect(), canvas_.image());
    if (border_) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::setBorder(bool on)
{
    border_ = on;
    update();
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
