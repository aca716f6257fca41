#pragma once

#include <vector>

// The plate in the simulated instrument: wells as the cameras see them, each
// holding a few bright organisms that move a set number of sensor points per
// frame, so the activity a run measures is known in advance (a still well
// measures 0).
struct SimWell {
    int camera = 0;
    int firstLine = 0;  // sensor lines the well spans
    int lastLine = 0;
    int firstPixel = 0; // sensor pixels the well spans
    int lastPixel = 0;
    int movement = 0;   // points each organism moves per frame of its camera
};

inline constexpr int kSimOrganismsPerWell = 3;
inline constexpr int kSimOrganismSize = 3;   // square, in sensor points
inline constexpr int kSimOrganismGrey = 150; // added to the light where an organism is

struct SimPlate {
    std::vector<SimWell> wells;

    // A 24-well plate where the default tables put it: each camera sees 2 by 2
    // wells; one well per camera moves, the others keep still.
    static SimPlate standard();
};

// Where organism `index` of a well is after `frame` frames of its camera: its
// first sensor line and pixel. It travels to and fro inside the well.
struct OrganismSpot {
    int line = 0;
    int pixel = 0;
};
OrganismSpot organismSpot(const SimWell& well, int index, int frame);
