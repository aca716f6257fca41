#pragma once

#include "analysis/chemotaxis/ChemotaxisFormat.h"
#include "analysis/chemotaxis/ChemotaxisGroups.h"
#include "analysis/chemotaxis/ChemotaxisProcessing.h"
#include "analysis/chemotaxis/ChemotaxisRegions.h"

#include <vector>

// What the well passes share: the run's last scan, scan times and region sums.
struct ChemotaxisRun {
    const ChemotaxisSettings& settings;
    ChemotaxisView& view;
    ChemotaxisServices& services;
    const ChemotaxisFormat& format;
    const ChemotaxisGroupLabels& labels;
    QString imagesFolder;
    qint32 lastScan = -1;
    std::vector<double> scanTimes; // from well A1's time lines
    RegionTable sums;
};

// NothingWritten: the images would not fit on the disk (or their folder cannot
// be made); said so before any image was written.
enum class WellPassResult { Done, Stopped, Failed, NothingWritten };

// One well pass: the k-th well of window w of camera c, from its window file:
// its extent, then scan by scan its grid, sums, index, well image and progress plot.
WellPassResult runChemotaxisWellPass(ChemotaxisRun& run, int camera, int window, int k);
