#pragma once

#include "Bytes.h"
#include "link/frames/FrameView.h"

#include <QByteArray>

#include <functional>
#include <vector>

// Frame replies as the instrument sends them, for scripting.

inline QByteArray closedByCheckByte(QByteArray body)
{
    body += static_cast<char>(xorOf(body));
    return body;
}

// L lines of P pixels (pixel p of line i, p from 1, has value(i, p)), each
// line followed by E zero bytes, closed by the check byte.
inline QByteArray fullFrameReply(int lines, int pixels, int lineCheckBytes, const std::function<int(int, int)>& value)
{
    QByteArray body;
    for (int i = 0; i < lines; ++i) {
        for (int p = 1; p <= pixels; ++p)
            body += static_cast<char>(value(i, p));
        body += QByteArray(lineCheckBytes, '\0');
    }
    return closedByCheckByte(body);
}

// A recognisable pixel value: never the same for neighbours.
inline int patternValue(int line, int pixel) { return (line * 7 + pixel * 3) % 251; }

// Records every frame a reader asks the window to show.
class RecordingFrameView final : public FrameView {
public:
    struct Shown {
        int camera;
        int lines;
        int pixels;
        bool operator==(const Shown&) const = default;
    };
    void showFrame(int camera, int lines, int pixels) override { shown.push_back({camera, lines, pixels}); }
    std::vector<Shown> shown;
};
