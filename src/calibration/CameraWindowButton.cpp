#include "calibration/CameraWindowButton.h"

#include "link/commands/CameraWindowSend.h"

// The set-up of a run sends the window the same way, so the steps live with
// the camera commands.
CameraSend sendCameraWindowBoxes(CameraBoxes& boxes, LinkContext& ctx) { return SendCameraWindow(boxes, ctx); }
