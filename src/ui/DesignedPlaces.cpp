#include "ui/DesignedPlaces.h"

#include "core/Rounding.h"

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
