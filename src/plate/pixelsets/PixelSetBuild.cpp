#include "plate/pixelsets/PixelSetBuild.h"

#include "plate/pixelsets/PixelSetFiles.h"

namespace {

PixelSetBuildOutcome write(const ProgramFolder& folder, const QString& setName, const PixelSetRegion& region)
{
    return WritePixelSetFiles(folder, setName, region) ? PixelSetBuildOutcome::Written
                                                      : PixelSetBuildOutcome::FileError;
}

} // namespace

PixelSetBuildOutcome BuildPixelSetByRays(PictureCanvas& Picact, const FrameGrey& grey, FramePoint centre,
                                         const ProgramFolder& folder, const QString& setName)
{
    const RaySearch search = FindPixelSetByRays(Picact, grey, centre);
    if (!search.complete)
        return PixelSetBuildOutcome::RayTooShort;
    return write(folder, setName, search.region);
}

PixelSetBuildOutcome BuildPixelSetRectangle(PictureCanvas& Picact, const PixelSetRectangle& rectangle,
                                            const ProgramFolder& folder, const QString& setName)
{
    return write(folder, setName, MarkPixelSetRectangle(Picact, rectangle));
}
