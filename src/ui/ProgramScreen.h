#pragma once

#include <QFont>
#include <QRect>

class QWidget;

// The part of the primary screen that windows may cover (without task bars).
QRect primaryScreenArea();

// Opens a top-level window over `area`, maximised. The geometry is set as well,
// since not every desktop honours the maximised state. Call before show().
void openOnScreenArea(QWidget& window, const QRect& area);

// The face every window is drawn in, 8.25 pt sans-serif: the narrow faces
// first, as the designed sizes were measured for them. The metric twin of
// Arial comes with the project's font package.
QFont programSansFont();
