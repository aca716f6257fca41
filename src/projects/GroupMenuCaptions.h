#pragma once

#include <QStringList>

// The block shapes offered by the group-option menu `mnopciongrup` for a grid:
// every row height and column width from 1 to 16 that divide the grid, at most
// 24, as "02x03 [RowsxColumn]". A grid without wells offers none.
QStringList BuildGroupMenuCaptions(int plateRows, int plateColumns);
