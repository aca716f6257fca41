#include "analysis/WellExtent.h"

#include <algorithm>

void WellExtentScan::addLine(QByteArrayView line)
{
    const int ordinal = ordinal_++;
    const qsizetype first = line.indexOf(',');
    const qsizetype second = first < 0 ? -1 : line.indexOf(',', first + 1);
    if (second < 0)
        return;
    // The cells, each after its comma: ",-,2,0,1,-".
    const QByteArrayView cells = line.sliced(second);
    bool data = false;
    int leading = 0;
    int values = 0;
    for (qsizetype k = 0; k < cells.size(); ++k) {
        const char ch = cells[k];
        if (ch != '-' && ch != ',')
            data = true;
        if (ch != ',' || k + 1 >= cells.size())
            continue;
        if (cells[k + 1] == '-') {
            if (values == 0)
                ++leading;
        } else {
            ++values;
        }
    }
    if (data) {
        ++extent_.dataLineCount;
        if (!dataSeen_) {
            extent_.firstDataLine = ordinal;
            dataSeen_ = true;
        }
    }
    if (values > 0) {
        extent_.firstDataPixel = widthSeen_ ? std::min(extent_.firstDataPixel, leading) : leading;
        extent_.dataWidth = std::max(extent_.dataWidth, values);
        widthSeen_ = true;
    }
}
