#include "ui/DoubleClickLabel.h"

#include <QMouseEvent>

DoubleClickLabel::DoubleClickLabel(const char* name, const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setObjectName(QLatin1String(name));
}

void DoubleClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit doubleClicked();
    event->accept();
}
