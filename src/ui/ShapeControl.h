#pragma once

#include <QColor>
#include <QWidget>

// A drawn shape of a window: a rectangle with a border of some width, transparent or
// filled. A line is a shape one border high. It takes no mouse clicks.
class ShapeControl : public QWidget {
    Q_OBJECT
public:
    ShapeControl(const char* name, QWidget* parent, int borderWidth = 1);

    void setBorderWidth(int pixels);
    int borderWidth() const { return borderWidth_; }
    void setBorderColour(const QColor& colour);
    // An invalid colour leaves the inside transparent.
    void setFillColour(const QColor& colour);
    QColor fillColour() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int borderWidth_;
    QColor border_ = Qt::black;
    QColor fill_;
};

// A level line control of that thickness in pixels; the layout sets its ends.
ShapeControl* makeLine(const char* name, QWidget* parent, int thickness = 1);
