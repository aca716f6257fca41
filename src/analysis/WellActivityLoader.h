#pragma once

#include "analysis/HeatMapData.h"

#include <QString>

#include <functional>

class Prompts;

// Where the load reports and is stopped: the page's progress label
// (txt_cframe), its pending events and its drawRunning flag.
struct WellActivityLoadView {
    std::function<void(const QString&)> progress;
    std::function<void()> processEvents;
    std::function<bool()> stopRequested;
};

enum class WellActivityLoad {
    Loaded,          // "100% OK"
    Stopped,         // the page asked to stop between window files
    ErrorFile,       // "error file": no scan line, or no first window file of camera 0
    NoTimeLine,      // the first scan has no time line: ends without a message
    FileError,       // "File error c<c>b<w>.csv": too few wells, or a well line without a comma
    ProcessingError, // "Error processing files"
};

// The window layouts of the formats the loader knows: "w24" (two windows of
// two wells a camera), "w6" and "p35" (one of one); other formats load nothing.
struct HeatMapLayout {
    int windows = 0;
    int wellsPerWindow = 0;
    int wells = 0;
    int rows = 0; // rows of the well index
};
HeatMapLayout heatMapLayout(const QString& plateFormat);

// How a long window file is cut into stretches read on several threads at
// once: at most maxStretches (0: as many as the machine runs at once), none
// shorter than minStretchBytes.
struct WellActivityLoadTuning {
    int maxStretches = 0;
    qint64 minStretchBytes = qint64(32) << 20;
};

// LoadWellActivityFiles: the run folder's wellactivity<c><w>.csv into the data,
// each window file read once. Messages go through the prompts; what was read
// before a fault stays loaded.
WellActivityLoad LoadWellActivityFiles(const QString& runFolder, const QString& plateFormat, HeatMapData& data,
                                       const WellActivityLoadView& view, Prompts& prompts,
                                       const WellActivityLoadTuning& tuning = {});
