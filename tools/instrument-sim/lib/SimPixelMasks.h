#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>

// The pixel masks the instrument keeps, as the blocks brought them: per
// camera 0 to 6, lines 0 to 143 of 24 bytes, pixel 8k + b in bit b of byte k.
struct SimPixelMasks {
    static constexpr int kCameras = 7;
    static constexpr int kLines = 144;
    static constexpr int kLineBytes = 24;
    static constexpr int kBlockLines = 4;

    std::array<std::array<std::array<quint8, kLineBytes>, kLines>, kCameras> bytes{};
    int blocksStored = 0;

    static bool namesCamera(int camera) { return camera >= 0 && camera < kCameras; }

    bool enabled(int camera, int line, int pixel) const
    {
        if (!namesCamera(camera) || line < 0 || line >= kLines || pixel < 0 || pixel >= kLineBytes * 8)
            return false;
        return (bytes[camera][line][pixel / 8] >> (pixel % 8)) & 1;
    }

    int enabledCount(int camera) const
    {
        int n = 0;
        for (int line = 0; line < kLines; ++line)
            for (int pixel = 0; pixel < kLineBytes * 8; ++pixel)
                n += enabled(camera, line, pixel) ? 1 : 0;
        return n;
    }

    // The four lines of a block from its first line; lines past the last are dropped.
    void storeBlock(int camera, int firstLine, const QByteArray& data)
    {
        if (!namesCamera(camera))
            return;
        for (int i = 0; i < kBlockLines; ++i) {
            const int line = firstLine + i;
            if (line >= kLines)
                break;
            for (int k = 0; k < kLineBytes; ++k) {
                const qsizetype at = i * kLineBytes + k;
                bytes[camera][line][k] = at < data.size() ? static_cast<quint8>(data.at(at)) : 0;
            }
        }
        ++blocksStored;
    }
};
