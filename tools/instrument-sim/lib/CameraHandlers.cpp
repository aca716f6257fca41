#include "lib/CameraHandlers.h"

#include "lib/CommandRegistry.h"
#include "lib/EchoReply.h"

#include <functional>

namespace {

// A setting of the selected camera: kept, then echoed. With no camera selected
// the command is still echoed and changes nothing.
CommandHandler setting(const std::function<void(SimCameraSettings&, const SimCommand&)>& keep)
{
    return [keep](const SimCommand& c, InstrumentState& state) {
        if (SimCameraSettings* camera = state.camera.current())
            keep(*camera, c);
        return echoReply(c);
    };
}

int word(const SimCommand& c) { return c.a * 256 + c.b; }

} // namespace

QByteArray answerCameraSelect(const SimCommand& command, InstrumentState& state)
{
    state.camera.selected = command.a < SimCameraState::kCameras ? command.a : SimCameraState::kNone;
    return QByteArray(1, static_cast<char>(state.camera.selected));
}

void registerCameraHandlers(CommandRegistry& registry)
{
    registry.add('C', [](const SimCommand& c, InstrumentState& state) {
        if (c.b == kPutCameraArgument)
            return echoReply(c); // the put-camera command is confirmed by its echo
        return c.b == 0 ? answerCameraSelect(c, state) : QByteArray();
    });
    registry.add('G', setting([](SimCameraSettings& s, const SimCommand& c) { s.gain = word(c); }));
    registry.add('E', setting([](SimCameraSettings& s, const SimCommand& c) { s.exposure = word(c); }));
    registry.add('S', setting([](SimCameraSettings& s, const SimCommand& c) { s.speed = c.b; }));
    registry.add('y', setting([](SimCameraSettings& s, const SimCommand& c) { s.firstLine = c.b; }));
    registry.add('Y', setting([](SimCameraSettings& s, const SimCommand& c) { s.lastLine = c.b; }));
    registry.add('x', setting([](SimCameraSettings& s, const SimCommand& c) { s.firstPixel = c.b; }));
    registry.add('X', setting([](SimCameraSettings& s, const SimCommand& c) { s.lastPixel = c.b; }));
}
