#include "ui/DesignedPlaces.h"

#include "core/Rounding.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

int twipsToPixels(double twips)
{
    return static_cast<int>(roundHalfEven(twips / kTwipsPerPixel));
}

void designedSize(QWidget* panel, double width, double height)
{
    panel->setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

void setPointSize(QWidget* widget, double points, bool bold)
{
    QFont f = widget->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    widget->setFont(f);
}

void growToText(QLabel* label)
{
    const int needed = label->sizeHint().width();
    if (label->width() < needed)
        label->resize(needed, label->height());
}

void growToCaption(QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const int bevel = button->width() -
                      button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    const int needed = button->fontMetrics().horizontalAdvance(button->text()) + bevel;
    if (button->width() < needed)
        button->resize(needed, button->height());
}
