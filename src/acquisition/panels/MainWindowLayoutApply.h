#pragma once

#include "acquisition/layout/MainWindowLayout.h"
#include "ui/DesignedPlaces.h"

class QWidget;

// Places every widget under root whose object name the layout names, relative to its
// own parent; a size left as designed keeps the widget's size. Widgets the layout names
// but the window lacks are skipped, so a panel can be plugged in later under its name.
// Hides lblrx, as the rule does.
void applyMainWindowLayout(QWidget& root, const MainWindowLayout& layout);
