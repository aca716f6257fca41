#pragma once

#include "link/protocol/LinkContext.h"

#include <QColor>
#include <QString>

#include <optional>

// What the main window's light check box (Chk_lenabled) and light indicator
// (Shape_light) show for the last light level sent.
struct LightIndicator {
    QString caption; // of Chk_lenabled: the seconds left of the pulse, or "Pulse"
    QColor fill;     // of Shape_light: blue while a pulse is on, white when off

    bool operator==(const LightIndicator&) const = default;
};

// The indicator for a level: on (any level but 0) shows the seconds left of
// the pulse on blue; off shows "Pulse" on white.
LightIndicator lightIndicatorFor(int level, int pulseSecondsLeft);

// Sets the blue light (level 0 switches it off) and shows the reply in txt_in.
// No port test. The indicator to show; none, with nothing sent and the
// indicator left as it is, for a level outside 0..255 or while another
// exchange holds the link.
std::optional<LightIndicator> SendLightPulse(LinkContext& ctx, int level, int pulseSecondsLeft);
