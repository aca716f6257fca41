#include "lib/CommandRegistry.h"

namespace {

constexpr int kWellRowsReplyBytes = 378;
constexpr int kWellColumnsReplyBytes = 381;
constexpr quint8 kAllLeds = 255;

int cameraOf(quint8 a) { return a < SimCameraState::kCameras ? a : SimCameraState::kNone; }

int word(const SimCommand& c) { return c.a * 256 + c.b; }

// The reply to "C", camera, "Y" or "X": the camera, then one 16-bit value
// (high byte first) per position, the position itself, and a NUL where the
// size leaves a byte over.
QByteArray wellPositionReply(int camera, int size)
{
    QByteArray reply(size, '\0');
    reply[0] = static_cast<char>(camera);
    for (int i = 0; 2 * i + 2 < size; ++i) {
        reply[1 + 2 * i] = static_cast<char>(i >> 8);
        reply[2 + 2 * i] = static_cast<char>(i & 0xFF);
    }
    return reply;
}

} // namespace

// The three-byte commands without start and check byte. "C" with "Y" or "X"
// answers the camera's well rows or columns; "C" with 0 selects a camera and
// answers its number. The raw gain, exposure and all-LED power change what
// their framed forms change, but go unanswered.
void registerUnframedHandlers(CommandRegistry& registry)
{
    registry.addUnframed('C', [](const SimCommand& c, InstrumentState& state) {
        const int camera = cameraOf(c.a);
        switch (c.b) {
        case 'Y':
            return wellPositionReply(camera, kWellRowsReplyBytes);
        case 'X':
            return wellPositionReply(camera, kWellColumnsReplyBytes);
        case 0:
            state.camera.selected = camera;
            return QByteArray(1, static_cast<char>(camera));
        default:
            return QByteArray();
        }
    });
    registry.addUnframed('G', [](const SimCommand& c, InstrumentState& state) {
        if (SimCameraSettings* s = state.camera.current())
            s->gain = word(c);
        return QByteArray();
    });
    registry.addUnframed('E', [](const SimCommand& c, InstrumentState& state) {
        if (SimCameraSettings* s = state.camera.current())
            s->exposure = word(c);
        return QByteArray();
    });
    registry.addUnframed('L', [](const SimCommand& c, InstrumentState& state) {
        if (c.a == kAllLeds)
            state.ledPower.fill(c.b);
        return QByteArray();
    });
}
