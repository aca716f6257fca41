#include "advanced/AdvancedBoxNumbers.h"

#include "core/NumberText.h"

#include <cmath>

std::optional<int> wholeBoxNumber(const QString& text, int minimum)
{
    const std::optional<double> value = strictNumberValue(text);
    if (!value || *value != std::floor(*value) || *value < minimum || *value > 32767)
        return std::nullopt;
    return static_cast<int>(*value);
}
