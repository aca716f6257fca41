#include "advanced/AdvancedFrameReaders.h"

#include "link/frames/FrameAcquisition.h"

namespace {

FrameWindow pageWindow(const AdvancedFramePage& page)
{
    return advancedPageFrames(page.boxes, page.image, page.view, page.txt_crc);
}

} // namespace

FrameRead ReadCameraFrameAdvanced(LinkContext& ctx, const AdvancedFramePage& page, const QByteArray& request)
{
    FrameWindow window = pageWindow(page);
    return ReadCameraFrame(ctx, window, request, kDrawFrame);
}

FrameRead AcquireAutoCalibrationFrameAdvanced(LinkContext& ctx, const AdvancedFramePage& page)
{
    FrameWindow window = pageWindow(page);
    return acquireFrame(ctx, window, kFrameModeEveryFifth, kDrawFrame);
}
