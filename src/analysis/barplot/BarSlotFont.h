#pragma once

#include <QFont>
#include <QStringList>

class PictureCanvas;

// The font a bar plot prints its bar labels and totals in: the picture's font,
// made smaller where needed, so that the widest of `texts` keeps within `room`
// (logical x units of the canvas) and no text runs into its neighbour's slot.
// It never grows past the picture's font, nor shrinks below a readable floor.
QFont barSlotFont(const PictureCanvas& canvas, const QStringList& texts, double room);

// `text` as it fits `room` in `font`: whole where it fits, else cut with an
// ellipsis, so that a picture too small for the smallest font still shows no
// text over its neighbour's.
QString fittedToSlot(const PictureCanvas& canvas, const QFont& font, const QString& text, double room);
