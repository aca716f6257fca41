#pragma once

#include <QByteArrayView>

// Where a well's data lie in its lines of a scan block of a well-activity
// file, from the first block's lines: the extent pre-scan the saved-data
// pages share (the heat map's well geometry, the chemotaxis well grid).
struct WellExtent {
    int firstDataLine = 0;  // ordinal of the first line holding a value
    int dataLineCount = 0;  // lines holding a value
    int firstDataPixel = 0; // fewest leading "-" cells of a line with values
    int dataWidth = 0;      // most value cells of one line
};

// Fed the well's consecutive lines of its first block, one by one.
class WellExtentScan {
public:
    // A whole line: name, position, then the cells after its second comma.
    void addLine(QByteArrayView line);
    const WellExtent& extent() const { return extent_; }

private:
    WellExtent extent_;
    int ordinal_ = 0;
    bool dataSeen_ = false;
    bool widthSeen_ = false;
};
