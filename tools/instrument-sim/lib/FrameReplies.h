#pragma once

#include "lib/CameraState.h"

#include <QByteArray>

#include <functional>

// The grey level of a camera's sensor point (line, pixel), 0 to 255.
using SensorGrey = std::function<int(int line, int pixel)>;

// The bytes a camera sends for a frame request of `mode` over its window
// (lines firstLine..lastLine, pixels firstPixel..lastPixel):
// - "A": two bytes (rows, samples), then for every fifth line one row of the
//   samples at every fifth pixel, two more bytes and the line check bytes;
// - "-": every even line and pixel of the window ((n + 1) / 2 of each), each
//   the mean of its two by two block within the window;
// - "0": a two-byte count n, high byte first, then n pixel bytes, no check byte;
// - any other: every line's pixels, each line followed by its check bytes.
// Each line check byte is the exclusive-or of the line's pixel bytes; every
// mode but "0" closes with the exclusive-or of all bytes before it.
QByteArray frameReply(char mode, const SimCameraSettings& window, int lineCheckBytes, const SensorGrey& grey);
