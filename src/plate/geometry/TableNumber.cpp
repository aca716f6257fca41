#include "plate/geometry/TableNumber.h"

#include "core/NumberText.h"

std::optional<int> tableNumber(const QString& field)
{
    const std::optional<std::int16_t> v = roundedInt16(textValue(field));
    return v ? std::optional<int>(*v) : std::nullopt;
}
