#pragma once

#include "analysis/HeatMapData.h"
#include "picture/PictureCanvas.h"

#include <QSize>
#include <QString>

#include <vector>

// The chemotaxis pictures of the image-sequence page, drawn on canvases so the
// processing runs without a window: index plots and the well image of a scan.

// Design sizes of the pictures, which are also the sizes of the saved BMPs.
inline constexpr QSize kWellPictureSize{208, 280};
inline constexpr QSize kProgressPictureSize{448, 150};

// Colours, fonts and draw width the page gives its chemotaxis pictures.
void setUpChemotaxisPicture(PictureCanvas& canvas);

// The plot frame: scale, axes, title and labels for scans 0 to lastScan.
// Picture_progress holds the curve of the well in work, Picture_progress2 the final curves.
void DrawProgressPlotFrame(PictureCanvas& Picture_progress, const QString& title, qint32 lastScan);
void DrawCiPlotFrame(PictureCanvas& Picture_progress2, const QString& title, qint32 lastScan);

// Whether scan t carries a tick with its minutes: Int(N/4), Int(N/2), Int(N/4*3) and N.
bool isTickScan(qint32 t, qint32 lastScan);

// Extends an index curve to scan t: the segment from scan t - 1 (from scan 1
// on) and, at a tick scan, the red tick with the scan's minutes.
void extendIndexCurve(PictureCanvas& canvas, qint32 lastScan, qint32 t, double previousIndex, double index,
                      double minutes);

// A whole curve, scans 0 to index.size() - 1 (the final plots).
void drawIndexCurve(PictureCanvas& canvas, qint32 lastScan, const std::vector<double>& index,
                    const std::vector<double>& minutes);

// One well in one scan: H = data lines, W = data width; cells [line][pixel] of the grid.
struct WellImage {
    QString well;
    double minutes = 0;
    int lines = 0;  // H: dataLineCount
    int pixels = 0; // W: dataWidth
    const WellGrid* grid = nullptr;
    bool grey = true;     // chk_grey: cells outside the mask in grey
    bool redCross = true; // chk_redcross
};
void drawWellImage(PictureCanvas& wellpicture, const WellImage& image);

// The caption's minutes as the system writes a number (12.5, or 12,5 with a decimal comma).
QString systemNumberText(double value);

// Saves as images folder "/" well "_" scan "0000" ".bmp".
bool saveWellImage(const PictureCanvas& wellpicture, const QString& imagesFolder, const QString& well, qint32 scan);
// Saves as images folder "/" index name "_" well in lower case ".bmp".
bool saveIndexPlot(const PictureCanvas& plot, const QString& imagesFolder, const QString& indexName,
                   const QString& well);
