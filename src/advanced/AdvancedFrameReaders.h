#pragma once

#include "link/frames/FrameReaders.h"

// The advanced page's frame parts: its boxes, its "#CRC:" box (per-line check
// bytes, design value "0"), its own frame buffer and its own picture.
struct AdvancedFramePage {
    CameraBoxes& boxes;
    const QString& txt_crc;
    FrameImage& image;
    FrameView& view;
};

// The page's general reader: the main window's, with E from txt_crc, the label
// black before reading and red after a bad frame, and every read drawn ("A" too).
// The "Full_frame" button passes a "+" request, or "-" with "1/2 size" ticked.
FrameRead ReadCameraFrameAdvanced(LinkContext& ctx, const AdvancedFramePage& page, const QByteArray& request);

// The page's every-fifth frame for its LED power autocalibration, read through
// ReadCameraFrameAdvanced and so always drawn.
FrameRead AcquireAutoCalibrationFrameAdvanced(LinkContext& ctx, const AdvancedFramePage& page);
