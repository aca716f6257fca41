#include "lib/CameraHandlers.h"
#include "lib/CommandRegistry.h"
#include "lib/EchoReply.h"
#include "lib/FrameReplies.h"
#include "lib/SensorImage.h"

namespace {

// "C", camera, mode: the camera takes a frame of its window and sends it.
QByteArray answerFrameRequest(const SimCommand& c, InstrumentState& state)
{
    if (c.a >= SimCameraState::kCameras)
        return {};
    state.camera.selected = c.a;
    SimFrameState& frames = state.frames;
    int& taken = frames.framesTaken[c.a];
    const SensorImage sensor(state, c.a, taken);
    ++taken;
    return frameReply(static_cast<char>(c.b), state.camera.cameras[c.a], frames.lineCheckBytes,
                      [&sensor](int line, int pixel) { return sensor.grey(line, pixel); });
}

} // namespace

// Replaces the camera handlers' "C": a B of 0 still selects the camera and
// the put-camera command is still echoed.
void registerFrameHandlers(CommandRegistry& registry)
{
    registry.add('C', [](const SimCommand& c, InstrumentState& state) {
        if (c.b == kPutCameraArgument)
            return echoReply(c);
        return c.b == 0 ? answerCameraSelect(c, state) : answerFrameRequest(c, state);
    });
}
