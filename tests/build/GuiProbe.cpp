// What logic may use: QtGui compiles, so the failing probes fail for the widgets alone.
#include <QImage>
#include <QPainter>

int guiProbe()
{
    QImage image(2, 2, QImage::Format_RGB32);
    QPainter painter(&image);
    return image.width();
}
