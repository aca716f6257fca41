#include "lib/FrameReplies.h"

namespace {

constexpr int kMaxCount = 65535;

quint8 xorOf(const QByteArray& bytes, qsizetype from = 0)
{
    quint8 x = 0;
    for (qsizetype i = from; i < bytes.size(); ++i)
        x ^= static_cast<quint8>(bytes.at(i));
    return x;
}

// One line of pixel bytes and its check bytes.
void appendLine(QByteArray& reply, const QByteArray& pixels, int lineCheckBytes)
{
    reply += pixels;
    reply += QByteArray(lineCheckBytes, static_cast<char>(xorOf(pixels)));
}

QByteArray lineBytes(int count, const std::function<int(int)>& greyAt)
{
    QByteArray line;
    line.reserve(count);
    for (int p = 0; p < count; ++p)
        line += static_cast<char>(std::clamp(greyAt(p), 0, 255));
    return line;
}

} // namespace

QByteArray frameReply(char mode, const SimCameraSettings& w, int lineCheckBytes, const SensorGrey& grey)
{
    const int lines = w.lastLine - w.firstLine + 1;
    const int pixels = w.lastPixel - w.firstPixel + 1;
    if (lines < 1 || pixels < 1)
        return {};
    QByteArray reply;
    if (mode == '0') {
        QByteArray data;
        for (int i = 0; i < lines; ++i)
            data += lineBytes(pixels, [&](int p) { return grey(w.firstLine + i, w.firstPixel + p); });
        data.truncate(kMaxCount);
        reply += static_cast<char>(data.size() >> 8);
        reply += static_cast<char>(data.size() & 0xFF);
        return reply + data;
    }
    if (mode == 'A') {
        const int rows = lines / 5;
        const int samples = pixels / 5;
        reply += static_cast<char>(rows);
        reply += static_cast<char>(samples);
        for (int i = 0; i < rows; ++i) {
            // Sample k (1 to samples) is the line's pixel 5k, counted from 1.
            const QByteArray row = lineBytes(samples, [&](int k) { return grey(w.firstLine + 5 * i, w.firstPixel + 5 * k + 4); });
            reply += row;
            reply += static_cast<char>(i);
            reply += '\0';
            reply += QByteArray(lineCheckBytes, static_cast<char>(xorOf(row)));
        }
    } else if (mode == '-') {
        // Every even line and pixel of the window, (n + 1) / 2 of each, each the
        // mean of its two by two block within the window.
        for (int i = 0; 2 * i < lines; ++i)
            appendLine(reply, lineBytes((pixels + 1) / 2, [&](int q) {
                           int sum = 0;
                           int count = 0;
                           for (int l = 2 * i; l <= 2 * i + 1 && l < lines; ++l)
                               for (int p = 2 * q; p <= 2 * q + 1 && p < pixels; ++p) {
                                   sum += grey(w.firstLine + l, w.firstPixel + p);
                                   ++count;
                               }
                           return sum / count;
                       }),
                       lineCheckBytes);
    } else {
        for (int i = 0; i < lines; ++i)
            appendLine(reply, lineBytes(pixels, [&](int p) { return grey(w.firstLine + i, w.firstPixel + p); }),
                       lineCheckBytes);
    }
    reply += static_cast<char>(xorOf(reply));
    return reply;
}
