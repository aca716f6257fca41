#include "plate/pictures/WindowStrip.h"

#include "plate/geometry/WindowWells.h"

#include <vector>

namespace {

const QColor kStripLine(200, 200, 200);
const QColor kWellName(255, 0, 0);

} // namespace

void DrawWindowStrip(PictureCanvas& Picact, PictureCanvas& Picact2, const CameraWindowTables& tables, int camera,
                     int window)
{
    Picact.font.setPointSize(8);
    Picact.font.setBold(false);

    const std::vector<WindowWell> wells = windowWells(tables, camera, window);
    const double H = wells.empty() ? 0 : windowRowHeight(tables, camera, window);
    double W = 0;
    for (const WindowWell& well : wells)
        W += windowColumnWidth(tables, camera, well.k);

    Picact2.clear();
    Picact2.setScale(-5, -2, 1.4 * H + 5, W + 5); // corners (-5, -2) and (1.4 H, W + 3)
    Picact2.clear();
    Picact2.drawWidth = 2;
    Picact2.box(-1, 0, H + 2, W + 2, kStripLine);

    double S = 0;
    for (size_t i = 0; i < wells.size(); ++i) {
        S += windowColumnWidth(tables, camera, wells[i].k);
        if (i + 1 < wells.size())
            Picact2.line(-1, S, H + 3, S, kStripLine);
    }

    Picact2.drawWidth = 1;
    Picact2.foreColor = kWellName;
    S = 0;
    for (const WindowWell& well : wells) {
        S += windowColumnWidth(tables, camera, well.k);
        Picact2.currentX = H + 3;
        Picact2.currentY = S - 8;
        Picact2.print(tables.rowLabel[camera][window] + tables.columnLabel[camera][well.k]);
    }
}
