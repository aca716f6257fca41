#pragma once

#include "lib/InstrumentState.h"
#include "lib/SimCommand.h"

#include <QByteArray>

// The camera selection "C", camera, 0: selects the camera (any number above 5
// selects none) and answers the selected number in one byte. Exposed so that
// the handler of every "C" command can hand the selection over here.
QByteArray answerCameraSelect(const SimCommand& command, InstrumentState& state);

// "C" with B = 42 ("*") is the put-camera command, answered by its echo.
inline constexpr int kPutCameraArgument = 42;
