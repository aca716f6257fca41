#include "link/frames/FrameCut.h"

std::optional<QByteArray> cutFrame(const QByteArray& reply, const FrameCutLayout& layout)
{
    if (layout.rowBytes < 1 || layout.columns.empty() || reply.isEmpty())
        return std::nullopt;
    const qint64 frameBytes = reply.size() - 1;
    const int base = layout.columns.front().start;
    QByteArray cut;
    for (const FrameCutLayout::Span& s : layout.columns) {
        const qint64 offset = qint64(layout.rowBytes) * (qint64(s.start) - base);
        const qint64 count = qint64(layout.rowBytes) * (qint64(s.end) - s.start);
        if (offset < 0 || count < 0 || offset + count > frameBytes)
            return std::nullopt;
        cut += reply.mid(static_cast<qsizetype>(offset), static_cast<qsizetype>(count));
    }
    return cut;
}
