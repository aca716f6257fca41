#pragma once

#include <QString>

#include <optional>

// A box that must hold a whole number (blanks around it allowed) from
// `minimum` to 32767; none for any other text.
std::optional<int> wholeBoxNumber(const QString& text, int minimum = -32768);
