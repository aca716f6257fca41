#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The tables of one run, as the run loop records them and a recorded run is
// loaded: per scan its start time and temperature, per well and scan the read
// time and the activity of that scan (not a running total). Tables grow scan by
// scan and keep only the wells of the run's plate format.
struct RunResults {
    int wellsPerScan = 0; // wells 0 to wellsPerScan - 1 are kept for every scan

    std::vector<std::int32_t> scanTime;   // elapsed whole seconds when the scan began
    std::vector<double> scanTemperature;  // stage temperature of the scan, degrees
    std::vector<std::int32_t> wellReadTime; // scan-major: scan * wellsPerScan + well; seconds
    std::vector<double> wellActivity;       // same layout; negative: no value in that scan
    // Live runs only: each well's activity summed since the run start, wells 0 to 96.
    std::array<double, 97> wellActivityNow{};

    int scanCount() const { return static_cast<int>(scanTime.size()); }
    // Index of the last scan; -1 before the first.
    int scanIndex() const { return scanCount() - 1; }

    // Starts a scan: its wells have no value yet. Returns the scan's index.
    int addScan(std::int32_t seconds, double temperature = 0.0)
    {
        scanTime.push_back(seconds);
        scanTemperature.push_back(temperature);
        wellReadTime.resize(wellReadTime.size() + static_cast<std::size_t>(wellsPerScan), 0);
        wellActivity.resize(wellActivity.size() + static_cast<std::size_t>(wellsPerScan), -1.0);
        return scanIndex();
    }

    bool keepsWell(int well) const { return well >= 0 && well < wellsPerScan; }
    std::size_t slot(int well, int scan) const
    {
        return static_cast<std::size_t>(scan) * static_cast<std::size_t>(wellsPerScan)
               + static_cast<std::size_t>(well);
    }

    // A well the run does not keep reads as an untouched table would: 0.
    double activity(int well, int scan) const { return keepsWell(well) ? wellActivity[slot(well, scan)] : 0.0; }
    std::int32_t readTime(int well, int scan) const { return keepsWell(well) ? wellReadTime[slot(well, scan)] : 0; }
};
