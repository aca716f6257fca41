#include "analysis/chemotaxis/ChemotaxisDataLine.h"

#include "core/NumberText.h"
#include "core/Rounding.h"

#include <QString>

#include <limits>

double chemotaxisFieldValue(QByteArrayView field)
{
    // Plain digits, the common case, without a text conversion.
    if (!field.isEmpty() && field.size() <= 15) {
        qint64 v = 0;
        bool digits = true;
        for (const char ch : field) {
            if (ch < '0' || ch > '9') {
                digits = false;
                break;
            }
            v = v * 10 + (ch - '0');
        }
        if (digits)
            return double(v);
    }
    return textValue(QString::fromLatin1(field.data(), field.size()));
}

bool readChemotaxisDataLine(QByteArrayView line, const WellExtent& extent, int& position, WellGrid& grid,
                            RegionSums& running)
{
    const qsizetype first = line.indexOf(',');
    if (first < 0)
        return false;
    const qsizetype second = line.indexOf(',', first + 1);
    const QByteArrayView number = second < 0 ? line.sliced(first + 1) : line.sliced(first + 1, second - first - 1);
    const double value = chemotaxisFieldValue(number);
    if (value >= 0 && value <= std::numeric_limits<int>::max())
        position = int(value); // position 0 is a position
    if (position < extent.firstDataLine)
        return false;
    const int r = position - extent.firstDataLine;
    if (r >= grid.lines)
        return false;
    if (second < 0)
        return true;

    qsizetype at = second;
    for (int skip = 0; skip < extent.firstDataPixel && at >= 0; ++skip)
        at = line.indexOf(',', at + 1);
    qint64 lineSum = 0;
    for (int c = 0; c <= extent.dataWidth && at >= 0 && c < grid.cells; ++c) {
        const qsizetype next = line.indexOf(',', at + 1);
        const QByteArrayView field = next < 0 ? line.sliced(at + 1) : line.sliced(at + 1, next - at - 1);
        at = next; // the line's last field is read too
        qint32& cell = grid.at(r, c);
        if (field == QByteArrayView("-")) {
            cell = -1;
            continue;
        }
        const double v = chemotaxisFieldValue(field);
        if (!(v > 0)) {
            cell = 0;
            continue;
        }
        const qint64 whole = v >= std::numeric_limits<qint32>::max() ? std::numeric_limits<qint32>::max()
                                                                      : roundHalfEven(v);
        cell = qint32(whole);
        lineSum += whole;
        addRegionCell(running, r, c, extent.dataLineCount, extent.dataWidth, whole);
    }
    addRegionLine(running, r, extent.dataLineCount, lineSum);
    return true;
}
