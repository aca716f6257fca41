#include "analysis/panels/SequencePicture.h"

#include "analysis/sequence/ChemotaxisPictures.h"

#include <QPainter>

SequencePicture::SequencePicture(QWidget* parent, QSize size)
    : QWidget(parent), canvas_(size.width(), size.height())
{
    setFixedSize(size);
    setUpChemotaxisPicture(canvas_);
}

bool SequencePicture::load(const QString& path)
{
    QImage image;
    const bool ok = image.load(path);
    loaded_ = ok ? image : QImage();
    update();
    return ok;
}

void SequencePicture::clearAll()
{
    loaded_ = QImage();
    canvas_.clear();
    update();
}

void SequencePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(rect(), canvas_.image());
    if (!loaded_.isNull())
        painter.drawImage(QPoint(0, 0), loaded_);
}
