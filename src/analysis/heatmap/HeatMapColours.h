#pragma once

#include <QColor>
#include <QtGlobal>

// The heat map's two colour scales; the value is limited to 0..max first.
// ScaleToHeatColour: blue (0) to yellow (half of max) to red (max).
QColor ScaleToHeatColour(qint64 value, qint64 max);
// ScaleToGreyColour: light grey (200, 200, 200) at 0 down to black at max.
QColor ScaleToGreyColour(qint64 value, qint64 max);
