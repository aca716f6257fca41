#pragma once

#include "core/Globals.h"
#include "plate/geometry/CameraLayout.h"

#include <QString>
#include <array>

// Bounds of the per-camera tables.
inline constexpr int kSpcColumns = 8;    // well columns one camera holds in a well table
inline constexpr int kSpcRows = 8;       // well rows one camera holds in a well table
inline constexpr int kCameraSlots = 7;   // cameras 0 to 5 and 6, "no camera"
inline constexpr int kColumnWindows = 13;
inline constexpr int kRowWindows = 9;
inline constexpr int kMaxDataIndex = kWellSlots - 1; // the per-well tables hold 0 to 384

// The current format's well table: per camera, camera column and camera row, the
// well that position holds. A position no line names holds 0 and an empty name.
struct WellSpecTable {
    template <typename T>
    using PerCameraCell = std::array<std::array<std::array<T, kSpcRows>, kSpcColumns>, kCameraCount>;

    PerCameraCell<int> spcDataIndex{};  // slot of the per-well tables (WellIndex)
    PerCameraCell<int> spcPlotIndex{};
    PerCameraCell<QString> spcWellName;
    // Where the well lies within its column and row windows, 0 to 100.
    PerCameraCell<int> spcColIni{};
    PerCameraCell<int> spcColEnd{};
    PerCameraCell<int> spcRowIni{};
    PerCameraCell<int> spcRowEnd{};
};

// The current format's camera windows: per camera, the plate columns and rows it
// sees and the pixel span of each. -1 in first/last marks a camera that sees
// nothing of the format. Entries k of the spans are plate column (row) - first.
struct CameraWindowTables {
    template <int N>
    using PerCamera = std::array<std::array<int, N>, kCameraSlots>;
    template <int N>
    using LabelsPerCamera = std::array<std::array<QString, N>, kCameraSlots>;

    CameraWindowTables()
    {
        firstColumn.fill(-1);
        lastColumn.fill(-1);
        firstRow.fill(-1);
        lastRow.fill(-1);
    }

    std::array<int, kCameraSlots> firstColumn{};
    std::array<int, kCameraSlots> lastColumn{};
    std::array<int, kCameraSlots> firstRow{};
    std::array<int, kCameraSlots> lastRow{};
    PerCamera<kColumnWindows> columnStart{};
    PerCamera<kColumnWindows> columnEnd{};
    PerCamera<kRowWindows> rowStart{};
    PerCamera<kRowWindows> rowEnd{};
    LabelsPerCamera<kColumnWindows> columnLabel; // "1" to "12"
    LabelsPerCamera<kRowWindows> rowLabel;       // "A" to "H"
};

// Everything the main window keeps of the current format's geometry. Readers
// take the part they fill (ReadWellSpecFile: WellSpecTable; ReadWellFormatFiles:
// CameraWindowTables), so either can be passed a PlateGeometry.
struct PlateGeometry : WellSpecTable, CameraWindowTables {};
