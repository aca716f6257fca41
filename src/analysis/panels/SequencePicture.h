#pragma once

#include "picture/PictureCanvas.h"

#include <QImage>
#include <QWidget>

// A picture box of the image-sequence page: a canvas for drawing and a loaded
// image (a saved BMP) shown over it, as a picture control shows a loaded picture.
class SequencePicture : public QWidget {
public:
    SequencePicture(QWidget* parent, QSize size);

    PictureCanvas& canvas() { return canvas_; }
    const PictureCanvas& canvas() const { return canvas_; }
    const QImage& loaded() const { return loaded_; }

    // Loads an image file; false (and nothing shown) when it cannot be read.
    bool load(const QString& path);
    // Clears both the drawing and the loaded image.
    void clearAll();
    // The drawing changed: show it.
    void refresh() { update(); }

    QSize sizeHint() const override { return canvas_.image().size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureCanvas canvas_;
    QImage loaded_;
};
