#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The files that hold one flag per pixel of the sensor frame: the mask files,
// the pixel-set files and the merged files. A header line, then one row of
// line, pixel and value per pixel, lines 0 to 139 outside, pixels 0 to 189 inside.

// "line","pixel","enabled"
inline const QString kPixelFlagFileHeader = QStringLiteral("\"line\",\"pixel\",\"enabled\"");

// The header and the 26,600 rows, the value of each row from valueAt.
QStringList pixelValueFileLines(const std::function<QString(int line, int pixel)>& valueAt);

// The same with a flag: "1" where enabledAt is true, else "0".
QStringList pixelFlagFileLines(const std::function<bool(int line, int pixel)>& enabledAt);

// One row as read back.
struct PixelFlagRow {
    int line = 0;
    int pixel = 0;
    int flag = 0;
};

// Calls onRow for every row after the header. Empty lines, lines without a
// second comma after the first and rows whose three fields are not 16-bit
// numbers are skipped. False when the file cannot be read.
bool readPixelFlagRows(const QString& path, const std::function<void(const PixelFlagRow&)>& onRow);
