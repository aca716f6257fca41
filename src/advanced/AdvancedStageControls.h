#pragma once

#include "link/protocol/LinkContext.h"

#include <QColor>
#include <QString>

#include <optional>

// The advanced page's own Peltier stage and fan state; it neither reads nor
// changes the main window's temperature regulation.
struct AdvancedStage {
    bool fanOn = false;
    bool peltierOn = false; // Timer_peltier runs exactly while this is set
    bool coolMode = false;  // false = heat
    bool digitalController = false; // "T" replies in degrees; else "t", raw
    // The buttons' colours once used; invalid before.
    QColor peltierColour;
    QColor fanColour;
    QColor coolHeatColour;
};

// The stage boxes the controls read (and the fan control may rewrite).
struct AdvancedStageBoxes {
    QString txt_peltierpwm = QStringLiteral("255");
    QString txt_fanpwm = QStringLiteral("255");
};

namespace advanced {

// Set-point codes: degrees for the digital controller, fixed codes for the analog one.
inline constexpr int kDigitalHeatCode = 50;
inline constexpr int kDigitalCoolCode = 10;
inline constexpr int kAnalogHeatCode = 191;
inline constexpr int kAnalogCoolCode = 76;
inline constexpr int kPeltierTimerMs = 3000;

// The set-point code of the stage's present mode and controller.
int stageTargetCode(const AdvancedStage& stage);

// SendTemperatureTargetAdvanced: sends the target (0 = read only), clamping
// the caller's variable into 0..255. None, with the port message in the status
// line, when the port is closed; otherwise the reading, -1 when the reply gives
// none (nothing, too short, or a letter this generation does not answer with).
std::optional<double> SendTemperatureTargetAdvanced(LinkContext& ctx, AdvancedStage& stage, int& target);

// SendFanPwm: the fan at a level, reply read and not shown; no port test and
// no flush. 1, or -1 with nothing sent when the level does not fit a byte.
int SendFanPwm(LinkContext& ctx, int level);

// What the status line shows for a reading: "--" for -1, else the shown
// temperature ("0.0"), through the page's calibration on an analog controller.
QString shownTemperature(const Globals& globals, const AdvancedStage& stage, double reading);

// The buttons. A closed port is refused in a message box and changes nothing.
// "PELTIER ON/OFF": the fan at 255 first, then the drive on or off.
void togglePeltier(LinkContext& ctx, AdvancedStage& stage, const AdvancedStageBoxes& boxes);
// "FAN ON/OFF": a level above 255 is rewritten "255".
void toggleFan(LinkContext& ctx, AdvancedStage& stage, AdvancedStageBoxes& boxes);
// "COOL/HEAT": the other direction and its set-point; an analog controller
// whose drive is on is switched off around the change and on again.
void toggleCoolHeat(LinkContext& ctx, AdvancedStage& stage, const AdvancedStageBoxes& boxes);
// "Measure T1": one reading shown in the status line.
void measureStageTemperature(LinkContext& ctx, AdvancedStage& stage);
// One tick of Timer_peltier: the set-point again, the reading shown 500 ms
// later, then the drive level again.
void peltierTimerTick(LinkContext& ctx, AdvancedStage& stage, const AdvancedStageBoxes& boxes);

} // namespace advanced
