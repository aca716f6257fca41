#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Rows and wells of the plate formats the image-sequence page lists.
struct SequenceFormat {
    int rows = 0;
    int wells = 0;
};
std::optional<SequenceFormat> sequenceFormat(const QString& formatCode);

// The page's well list: column by column, row by row within a column (w6: A1,
// B1, A2, B2, A3, B3); empty for a format without a well table.
QStringList sequenceWellList(const QString& formatCode);
