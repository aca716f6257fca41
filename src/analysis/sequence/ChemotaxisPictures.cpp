#include "analysis/sequence/ChemotaxisPictures.h"

#include "analysis/sequence/SequenceImages.h"
#include "core/NumberText.h"
#include "picture/PictureFont.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kGrey(200, 200, 200);

// A scale of no extent (a run of one scan, a well without data) is drawn over one unit.
double span(double extent) { return extent > 0 ? extent : 1.0; }

void textAt(PictureCanvas& canvas, double x, double y, const QString& text)
{
    canvas.currentX = x;
    canvas.currentY = y;
    canvas.print(text);
}

void drawPlotFrame(PictureCanvas& canvas, const QString& title, qint32 lastScan)
{
    const double n = span(lastScan);
    canvas.setScale(-0.2 * n, 1.4, 1.24 * n, -2.8);
    canvas.clear();
    canvas.line(0, -1, 0, 1, kRed);
    canvas.line(0, 0, lastScan, 0, kRed);

    canvas.foreColor = kBlack;
    canvas.font.setPointSize(8);
    canvas.font.setBold(true);
    textAt(canvas, -0.1 * n, 1.4, title);
    canvas.font.setBold(false);
    textAt(canvas, -0.1 * n, 1, QStringLiteral("1"));
    textAt(canvas, -0.1 * n, -0.8, QStringLiteral("-1"));
    textAt(canvas, -0.1 * n, 0, QStringLiteral("0"));

    // The tick labels keep this colour and size.
    canvas.foreColor = kRed;
    canvas.font.setPointSize(5);
    textAt(canvas, n / 2, -1.1, QStringLiteral("Time[m]"));
}

} // namespace

void setUpChemotaxisPicture(PictureCanvas& canvas)
{
    canvas.backColor = Qt::white;
    canvas.foreColor = kBlack;
    canvas.drawWidth = 1;
    useArial(canvas.font);
    canvas.font.setPointSize(8);
    canvas.clear();
}

void DrawProgressPlotFrame(PictureCanvas& Picture_progress, const QString& title, qint32 lastScan)
{
    drawPlotFrame(Picture_progress, title, lastScan);
}

void DrawCiPlotFrame(PictureCanvas& Picture_progress2, const QString& title, qint32 lastScan)
{
    drawPlotFrame(Picture_progress2, title, lastScan);
}

bool isTickScan(qint32 t, qint32 lastScan)
{
    const double n = lastScan;
    return t == qint32(std::floor(n / 4)) || t == qint32(std::floor(n / 2)) || t == qint32(std::floor(n / 4 * 3)) ||
           t == lastScan;
}

void extendIndexCurve(PictureCanvas& canvas, qint32 lastScan, qint32 t, double previousIndex, double index,
                      double minutes)
{
    if (t >= 1)
        canvas.line(t - 1, previousIndex, t, index, kBlack);
    if (!isTickScan(t, lastScan))
        return;
    canvas.line(t, 0.05, t, -0.05, kRed);
    canvas.foreColor = kRed;
    canvas.font.setPointSize(5);
    textAt(canvas, t, -0.075, formatNumber(minutes, QStringLiteral("0")));
}

void drawIndexCurve(PictureCanvas& canvas, qint32 lastScan, const std::vector<double>& index,
                    const std::vector<double>& minutes)
{
    for (size_t t = 0; t < index.size(); ++t)
        extendIndexCurve(canvas, lastScan, qint32(t), t > 0 ? index[t - 1] : 0.0, index[t],
                         t < minutes.size() ? minutes[t] : 0.0);
}

QString systemNumberText(double value)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), systemDecimalSeparator());
    return text;
}

void drawWellImage(PictureCanvas& wellpicture, const WellImage& image)
{
    const int h = image.lines;
    const int w = image.pixels;
    wellpicture.setScale(0, span(w), span(h), -span(w));
    wellpicture.clear();
    if (image.redCross) {
        wellpicture.line(0, w / 2.0, h, w / 2.0, kRed);
        wellpicture.line(h / 2.0, 0, h / 2.0, w, kRed);
    }
    textAt(wellpicture, 0, span(w), image.well + QLatin1Char('[') + systemNumberText(image.minutes) + QStringLiteral("m]"));
    if (!image.grid)
        return;

    // A cell's line from corner to corner, drawn as wide as the cell: it fills
    // the cell and no more, whatever the well's aspect.
    const WellGrid& grid = *image.grid;
    for (int r = 0; r <= h && r < grid.lines; ++r) {
        for (int c = 0; c <= w && c < grid.cells; ++c) {
            const qint32 v = grid.at(r, c);
            if (v >= 255)
                wellpicture.filledBox(r, c, r + 1, c + 1, kRed);
            else if (v >= 1)
                wellpicture.filledBox(r, c, r + 1, c + 1, QColor(v, 0, 0));
            else if (v < 0 && image.grey)
                wellpicture.filledBox(r, c, r + 1, c + 1, kGrey);
        }
    }
}

bool saveWellImage(const PictureCanvas& wellpicture, const QString& imagesFolder, const QString& well, qint32 scan)
{
    // The program names its own images: a folder of thousands of them is not
    // searched for another spelling at every save.
    return wellpicture.saveBmp(QDir(imagesFolder).filePath(frameImageName(well, scan)));
}

bool saveIndexPlot(const PictureCanvas& plot, const QString& imagesFolder, const QString& indexName,
                   const QString& well)
{
    return plot.saveBmp(QDir(imagesFolder).filePath(indexPlotName(indexName, well)));
}
