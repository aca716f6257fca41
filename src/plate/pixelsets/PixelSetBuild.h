#pragma once

#include "plate/pixelsets/PixelSetRays.h"
#include "plate/pixelsets/PixelSetRectangle.h"

#include <QString>

class PictureCanvas;
class ProgramFolder;

// How a build of a pixel set ended.
enum class PixelSetBuildOutcome {
    Written,     // both set files written
    RayTooShort, // a ray left the usable area before radius 2: nothing written
    FileError,   // a set file could not be written
};

// cmd_set_select_Click's build by the ray search: the region found around the
// centre in the frame, drawn on the frame picture and written as the set's two files.
PixelSetBuildOutcome BuildPixelSetByRays(PictureCanvas& Picact, const FrameGrey& grey, FramePoint centre,
                                         const ProgramFolder& folder, const QString& setName);

// The advanced page's rectangle mode: the rectangle, drawn and written as the set's two files.
PixelSetBuildOutcome BuildPixelSetRectangle(PictureCanvas& Picact, const PixelSetRectangle& rectangle,
                                            const ProgramFolder& folder, const QString& setName);
