#pragma once

#include "link/frames/FrameImage.h"
#include "link/frames/FrameTransfer.h"

#include <QByteArray>
#include <QString>

// Where a reply's bytes belong: the text dump of the communication box and
// the placement into a frame buffer plane.

// Lines 0 to L of the reply at the full-window stride P + E: each pixel byte
// as its decimal value and ";", each per-line check byte as "0;", every line
// closed by CR LF; positions beyond the reply add nothing. Line L shows the
// closing check byte.
QString frameDump(const QByteArray& reply, const FrameGeometry& geometry);

// Puts the reply into plane `camera`, overwriting the rectangle x 1..L,
// y 0..P-1: cells whose byte did not come become empty. "+" and "-" place
// pixel p of line i at [i + 1][P - p]; "A" places sample k of row i at
// [5i + 1][P - 5k]; any other mode places nothing. The geometry must have
// passed frameSetupRefusal.
void placeFrame(FrameImage& image, int camera, char mode, const FrameGeometry& geometry, const QByteArray& reply);
