#pragma once

#include "picture/PictureCanvas.h"

#include <QWidget>

// Shows a canvas and reports mouse actions in the canvas's logical units.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, int widthPx = 100, int heightPx = 100);

    PictureCanvas& canvas() { return canvas_; }
    const PictureCanvas& canvas() const { return canvas_; }
    QSize sizeHint() const override { return canvas_.image().size(); }

    // Lets a window's layout size the box; until fitCanvas() the canvas keeps its pixels
    // and is shown stretched, so what was drawn stays on screen.
    void setSizedByLayout();
    // The canvas to the box's own size in pixels; the picture is cleared for a new drawing.
    void fitCanvas();
    // A single-line border drawn over the picture's edge.
    void setBorder(bool on);

signals:
    void mousePressed(Qt::MouseButton button, double x, double y);
    void mouseReleased(Qt::MouseButton button, double x, double y);
    void mouseMoved(Qt::MouseButtons buttons, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPointF logical(const QPointF& widgetPos) const;

    PictureCanvas canvas_;
    bool border_ = false;
};
