#include "plate/geometry/WellCamera.h"

std::optional<int> cameraOfWell(const PlateFormat& format, int wellIndex)
{
    for (int camera = 0; camera < kCameraCount; ++camera) {
        if (builtInCameraWells(format, camera).contains(wellIndex))
            return camera;
    }
    return std::nullopt;
}

bool wellCameraDisabled(const PlateFormat& format, int wellIndex, const CameraFlags& cameraEnabled)
{
    const std::optional<int> camera = cameraOfWell(format, wellIndex);
    return camera && !cameraEnabled[*camera];
}
