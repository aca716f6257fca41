#pragma once

#include <vector>

// Which frame-image pixels of each camera lie inside a well of the current
// plate format. Built by the camera set-up for the format; read by the
// calibrations. A pixel outside cameras 0 to 5 or the grid 0 to 192 is never
// inside a well.
class WellMask {
public:
    static constexpr int kCameras = 6;
    static constexpr int kSide = 193;

    WellMask() : inside_(static_cast<size_t>(kCameras * kSide * kSide), false) {}

    static bool contains(int camera, int x, int y)
    {
        return camera >= 0 && camera < kCameras && x >= 0 && x < kSide && y >= 0 && y < kSide;
    }
    bool inWell(int camera, int x, int y) const { return contains(camera, x, y) && inside_[index(camera, x, y)]; }
    void set(int camera, int x, int y, bool inside)
    {
        if (contains(camera, x, y))
            inside_[index(camera, x, y)] = inside;
    }
    // Every pixel of a camera at once.
    void fill(int camera, bool inside)
    {
        for (int x = 0; x < kSide; ++x)
            for (int y = 0; y < kSide; ++y)
                set(camera, x, y, inside);
    }

private:
    static size_t index(int camera, int x, int y) { return static_cast<size_t>((camera * kSide + x) * kSide + y); }

    std::vector<bool> inside_;
};
