#include "plate/pixelsets/PixelMask.h"

#include "core/ProgramFolder.h"
#include "plate/pixelsets/PixelFlagFile.h"

#include <QFileInfo>

namespace {

constexpr int kCameraMasks = 6;

} // namespace

void PixelMask::clearSensorFrame(int slot)
{
    for (int pixel = 0; pixel < kSensorPixels; ++pixel)
        for (int line = 0; line < kSensorLines; ++line)
            set(slot, pixel, line, false);
}

QString flashMaskFileName(int maskNumber)
{
    return QStringLiteral("flash") + QString::number(maskNumber) + QStringLiteral(".dat");
}

void LoadFlashPixelMasks(PixelMask& cameraPixelMask, const ProgramFolder& folder)
{
    for (int n = 0; n < kCameraMasks; ++n) {
        const QString path = folder.path(flashMaskFileName(n));
        if (!QFileInfo(path).isFile()) {
            cameraPixelMask.clearSensorFrame(n);
            continue;
        }
        readPixelFlagRows(path, [&](const PixelFlagRow& row) {
            if (PixelMask::contains(n, row.pixel, row.line))
                cameraPixelMask.set(n, row.pixel, row.line, row.flag != 0);
        });
    }
}
