#pragma once

#include <QByteArray>

// One scan block of a wellactivity<c><w>.csv as a run writes it: a round well
// of `lines` x `cells` cells, "-" outside it, small counts inside.
inline QByteArray wellActivityBlock(const QByteArray& well, int scan, double minutes, int lines, int cells)
{
    QByteArray block = "scan," + QByteArray::number(scan) + "\r\ntime[m],\"" + QByteArray::number(minutes, 'f', 1) +
                       "\"\r\n";
    const int radius = lines / 2;
    for (int line = 0; line < lines; ++line) {
        block += well + "," + QByteArray::number(line);
        for (int cell = 0; cell < cells; ++cell) {
            const int dx = cell - cells / 2, dy = line - lines / 2;
            if (dx * dx + dy * dy > radius * radius)
                block += ",-";
            else
                block += ',' + QByteArray::number((scan + line * 7 + cell * 13) % 23);
        }
        block += "\r\n";
    }
    return block + "\r\n";
}
