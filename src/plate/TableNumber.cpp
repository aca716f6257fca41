#include "plate/TableNumber.h"

#include "core/NumberText.h"
#include "core/Rounding.h"

#include <cmath>
#include <cstdint>
#include <limits>

std::optional<int> tableNumber(const QString& field)
{
    const double v = textValue(field);
    const double r = std::nearbyint(v);
    if (!std::isfinite(r) || r < std::numeric_limits<std::int16_t>::min() ||
        r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(roundHalfEven(v));
}
