#pragma once

#include <QFont>

// Sets the canvas font family to the one that stands for "Arial": the default
// sans-serif font. Size and weight stay as they are.
inline void useArial(QFont& font)
{
    font.setFamily(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
}
