#pragma once

#include "link/protocol/LinkContext.h"

#include <QByteArray>
#include <QColor>
#include <QString>

#include <optional>

// The advanced page's identity, camera and light buttons. Each makes one framed
// exchange and leaves its texts in the page's console.
namespace advanced {

inline constexpr char kInstrumentIdLetter = 'I';
inline constexpr char kSerialNumberLetter = 'N';
// "C" with B = 42, the character "*".
inline constexpr int kPutCameraArgument = 42;
inline constexpr int kNoCamera = 6;
inline constexpr int kMaxBlueLevel = 7;

// The value of an identity reply [letter, high, low]: high times 256 plus low,
// a missing byte counting as nothing (one byte gives 0, two give high * 256).
int identityReplyValue(const QByteArray& reply);

// "Get ID" ('I') and "Get SN" ('N'): nothing in dummy mode; no port test, so a
// closed port reads "Empty" and 0. Shows "Serial Number = SN<value>" for both.
// The value; none in dummy mode.
std::optional<int> queryIdentity(LinkContext& ctx, char letter);

// "*": the put-camera command, three tries until the echo begins with "C".
// False in dummy mode, with the port closed, or when no echo came.
bool putCamera(LinkContext& ctx);

// The camera of the page's camera box: 0 to 5 when the text is exactly that
// digit, else 6 (none).
int cameraFromBox(const QString& txt_cam);

// "cam": selects the camera of txt_cam; shows "sending [255,67,c,0,check]",
// then up to three tries of the five-byte array, each reply shown as
// "<n> <- Camera", accepted when its first character is the box's whole text.
// Nothing is sent in dummy mode or with the port closed.
bool selectCamera(LinkContext& ctx, const QString& txt_cam);

// What the blue-light button leaves on the page.
struct BlueLight {
    bool sent = false;
    QColor colour;   // white for level 0, green above; invalid when nothing was sent
    QString txt_blue; // the box, rewritten to "7" for a level above 7
};

// "BLUELIGHT(0-7)": the level of txt_blue rounded; outside 0 to 255 nothing is
// sent, above 7 it is sent as 7. Does not test dummy mode; a closed port is
// refused in a message box.
BlueLight sendBlueLight(LinkContext& ctx, const QString& txt_blue);

// "Measure T2": the second sensor's reading in degrees, shown in the status
// line when three bytes came and the high byte is below 16; none otherwise
// (the status line keeps its text). Does not test dummy mode.
std::optional<double> measureSensor2(LinkContext& ctx);

} // namespace advanced
