#pragma once

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

// The windows are designed in twips, 1/1440 inch: 15 twips to a pixel at 96 dots per inch.
inline constexpr double kTwipsPerPixel = 15.0;

// Twips to pixels, nearest, a half to the even neighbour.
int twipsToPixels(double twips);

// Names a control and puts it at its designed place inside its panel (twips).
template <typename W>
W* designed(W* widget, const char* name, double left, double top, double width, double height)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
    return widget;
}

// A panel's designed size (twips), kept whatever its contents ask for.
void designedSize(QWidget* panel, double width, double height);

// A label sized to its text, as a designed auto-size label is: it grows to show
// its whole caption in its own font, and keeps its place.
void growToText(QLabel* label);

// A button placed narrower than its caption grows, keeping its place, until its
// bevel holds the whole caption.
void growToCaption(QPushButton* button);

// A control's font at a designed point size; 8.25 pt is every other control's size.
void setPointSize(QWidget* widget, double points, bool bold = false);
