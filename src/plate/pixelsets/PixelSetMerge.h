#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class ProgramFolder;

// Every grid set file of the program folder merged into one picture of the
// camera frame: each pixel labelled with the set that holds it, or "0".
class PixelSetMerge {
public:
    static constexpr int kCells = 191; // pixels and lines 0 to 190

    PixelSetMerge() : labels_(static_cast<size_t>(kCells * kCells), 0) {}

    // The set files merged, in the order they were taken.
    const QStringList& setNames() const { return setNames_; }
    int fileCount() const { return static_cast<int>(setNames_.size()); }

    // The label of a pixel: its set's name, or "0".
    QString label(int line, int pixel) const;
    bool enabled(int line, int pixel) const { return labelIndex(line, pixel) != 0; }

    // Adds a set: the pixels its flags name take its name, over any earlier set's.
    void add(const QString& setName, const QString& path);

private:
    static bool contains(int line, int pixel) { return line >= 0 && line < kCells && pixel >= 0 && pixel < kCells; }
    static size_t index(int line, int pixel) { return static_cast<size_t>(pixel * kCells + line); }
    int labelIndex(int line, int pixel) const { return contains(line, pixel) ? labels_[index(line, pixel)] : 0; }

    QStringList setNames_;
    std::vector<quint16> labels_; // 0 for none, else 1 + the set's place in setNames_
};

// Merges the program folder's grid set files ("w96f_c0__*.dat"), taken in name
// order without regard to case, so that a later set wins a pixel two share.
PixelSetMerge MergePixelSets(const ProgramFolder& folder);

// Writes "w96f_c0_wells.dat" (the label of each pixel) and "w96f_c0_flash.dat"
// (1 where a pixel is labelled); false when either could not be written.
bool WriteMergedPixelSetFiles(const ProgramFolder& folder, const PixelSetMerge& merge);
