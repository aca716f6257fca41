#include "analysis/heatmap/HeatMapColours.h"

#include "core/Rounding.h"

#include <algorithm>

namespace {

// The share of max, 0 when there is no scale (a map of no activity).
double share(qint64 value, qint64 max)
{
    if (max <= 0)
        return 0.0;
    return double(std::clamp<qint64>(value, 0, max)) / double(max);
}

int component(double v) { return int(std::clamp<std::int64_t>(roundHalfEven(v), 0, 255)); }

} // namespace

QColor ScaleToHeatColour(qint64 value, qint64 max)
{
    const double f = share(value, max);
    if (f <= 0.5)
        return QColor(component(510 * f), component(510 * f), component(255 - 510 * f));
    return QColor(255, component(510 * (1 - f)), 0);
}

QColor ScaleToGreyColour(qint64 value, qint64 max)
{
    const int g = component(200 - 200 * share(value, max));
    return QColor(g, g, g);
}
