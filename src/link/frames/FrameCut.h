#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// Which bytes of a full-window frame lie inside a camera's wells for one
// window (one well row): the row's bytes per frame line R, and the line span
// (columnStart, columnEnd) of each of the camera's well columns.
struct FrameCutLayout {
    struct Span {
        int start = 0;
        int end = 0;
    };
    int rowBytes = 0;
    std::vector<Span> columns;
};

// For each well column k, the R * (end - start) bytes from reply position
// R * (start - start of column 0) + 1, one column after the other. None when a
// span does not lie inside the reply's frame bytes (the closing check byte
// excluded), runs backwards or the layout is empty.
std::optional<QByteArray> cutFrame(const QByteArray& reply, const FrameCutLayout& layout);
