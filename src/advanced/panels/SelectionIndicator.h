#pragma once

#include "picture/PictureCanvas.h"

#include <QWidget>

// Shape_circle_selection: a circle, hollow in plain selection, filled in circle selection.
class SelectionIndicator : public QWidget {
public:
    explicit SelectionIndicator(QWidget* parent = nullptr) : QWidget(parent) { setFixedSize(18, 18); }
    void setFill(PictureCanvas::FillStyle fill)
    {
        fill_ = fill;
        update();
    }
    PictureCanvas::FillStyle fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureCanvas::FillStyle fill_ = PictureCanvas::FillStyle::Transparent;
};
