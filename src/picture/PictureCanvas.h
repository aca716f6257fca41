#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

// The drawing surface behind every picture box: an image with a user scale and
// a drawing state that stays in place between calls, as picture controls keep it.
// Drawing code works here, never on a widget, so it runs and is tested without a display.
class PictureCanvas {
public:
    enum class FillStyle { Solid, Transparent };

    explicit PictureCanvas(int widthPx = 100, int heightPx = 100);

    // New pixel size; the picture is cleared.
    void resize(int widthPx, int heightPx);
    int widthPx() const { return image_.width(); }
    int heightPx() const { return image_.height(); }
    const QImage& image() const { return image_; }

    // Logical coordinates: the left-top corner and the extent of the picture.
    void setScale(double left, double top, double width, double height);
    void resetScale(); // one unit per pixel
    double scaleLeft() const { return left_; }
    double scaleTop() const { return top_; }
    double scaleWidth() const { return width_; }
    double scaleHeight() const { return height_; }
    QPointF toPixel(double x, double y) const;
    QPointF toLogical(const QPointF& pixel) const;

    // Drawing state.
    int drawWidth = 1;
    FillStyle fillStyle = FillStyle::Transparent;
    QColor fillColor = Qt::black;
    QColor foreColor = Qt::black;
    QColor backColor = Qt::white;
    QFont font;
    double currentX = 0;
    double currentY = 0;

    // Fills the picture with the back colour; the current position goes to the scale's corner.
    void clear();
    // How often the picture was cleared (or resized): tells whose drawing it shows.
    quint64 clearCount() const { return clears_; }
    void point(double x, double y, const QColor& colour);
    // A line; the current position moves to its end.
    void line(double x1, double y1, double x2, double y2, const QColor& colour);
    // A rectangle outline, filled with the fill colour when the fill style is solid.
    void box(double x1, double y1, double x2, double y2, const QColor& colour);
    // A rectangle filled with the given colour.
    void filledBox(double x1, double y1, double x2, double y2, const QColor& colour);
    // A circle of a radius in logical x units, filled when the fill style is solid.
    void circle(double x, double y, double radius, const QColor& colour);
    // Text at the current position in the fore colour; the position moves to the next line.
    void print(const QString& text);
    double textWidth(const QString& text) const;
    double textHeight(const QString& text = QStringLiteral("A")) const;

    // The picture as a BMP file's bytes; saveBmp writes them whole or not at all.
    QByteArray bmpBytes() const;
    bool saveBmp(const QString& path) const;
    QColor pixel(int x, int y) const { return image_.pixelColor(x, y); }

private:
    QRect pixelRect(double x1, double y1, double x2, double y2) const;

    QImage image_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 100;
    double height_ = 100;
    quint64 clears_ = 0;
};
