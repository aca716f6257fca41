#include "calibration/CameraWindowButton.h"

#include "link/commands/CameraWindowSend.h"

// The set-up of a run sends the window the same way, so the steps live with
// the camera commands.
CameraSend sendCameraWindowBoxes(CameraBoxes& boxes, LinkContext& ctx) { return SendCameraWindow(boxes, ctx); }

void applyDefaultCameraWindow(CameraBoxes& boxes, int hardwareGeneration)
{
    boxes.txt_speed = hardwareGeneration >= 2 ? QStringLiteral("8") : QStringLiteral("7");
    boxes.txt_xini = QStringLiteral("0");
    boxes.txt_xfin = QStringLiteral("142");
    boxes.txt_yini = QStringLiteral("1");
    boxes.txt_yfin = QStringLiteral("183");
}
