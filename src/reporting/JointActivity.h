#pragma once

#include "plate/geometry/PlateFormat.h"

#include <QIODevice>
#include <cstdint>
#include <span>
#include <vector>

// The complete time points of one run as the joint report reads them from the
// run's adjusted_activity.txt: per time point its time in minutes and, per well
// index (down the columns), the activity of that time point (the accumulated
// count minus the one of the time point before).
struct JointTimePoints {
    int wells = 0;
    std::vector<double> times;
    std::vector<std::int64_t> activity; // time point t, well k at t * wells + k

    int count() const { return static_cast<int>(times.size()); }
    std::int64_t at(int t, int well) const { return activity[slot(t, well)]; }
    std::int64_t& at(int t, int well) { return activity[slot(t, well)]; }

private:
    std::size_t slot(int t, int well) const
    {
        return static_cast<std::size_t>(t) * static_cast<std::size_t>(wells) + static_cast<std::size_t>(well);
    }
};

// Reads a run file: two header lines, then rows of time, quoted well name and
// accumulated count. Each row lands on its well's index whatever the order of
// the rows; a time point is complete when the grid's last well has been read,
// and takes the time of its first row. Rows of wells off the grid, rows
// without three fields, and rows after the last complete time point count for
// nothing. Times written with a decimal comma read as with a point.
JointTimePoints readJointTimePoints(QIODevice& runFile, const PlateGrid& grid);

// The median of a window of activities: its ceil(n/2)-th smallest value (the
// third of five). 0 for an empty window.
double MedianOfWindow(std::span<const std::int64_t> window);

// Replaces every activity above 3.5 times the median of its well's window and
// above 10 by that median. The window is five time points around the one
// tested, held inside the run at its ends; a run of fewer than five time
// points takes all of them as the window.
void removeOutliers(JointTimePoints& points);
