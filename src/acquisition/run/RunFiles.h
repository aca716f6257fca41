#pragma once

#include "acquisition/run/ActivityEvaluation.h"
#include "acquisition/run/RunSetup.h"
#include "plate/geometry/PlateGeometry.h"

#include <QDateTime>
#include <QString>

#include <array>

// The files a run records in its run folder, each line ended by CR LF:
// current_activity.txt, adjusted_activity.txt, current_temperature.txt,
// light.csv, lastread<c><w>.csv and wellactivity<c><w>.csv. Each write opens
// its file, writes and closes it. A write puts its lines down whole or not
// at all, and says which file it could not write.

inline const QString kCurrentActivityFile = QStringLiteral("current_activity.txt");
inline const QString kAdjustedActivityFile = QStringLiteral("adjusted_activity.txt");
inline const QString kCurrentTemperatureFile = QStringLiteral("current_temperature.txt");
inline const QString kLightFile = QStringLiteral("light.csv");

// What a run write did: every line went in, or the file it could not write whole.
struct RunFileWrite {
    QString failedFile; // empty when every line went in
    explicit operator bool() const { return failedFile.isEmpty(); }
};

// "minutes": the elapsed seconds over 60 with one decimal and a point.
QString runMinutes(double elapsedSeconds);

// The run start: the three text files made anew with their two header lines
// (dated when the folder is written).
RunFileWrite writeRunFileHeaders(const QString& runFolder, const QDateTime& written);
// light.csv's header appended, as the run's timer is armed.
RunFileWrite WriteLightCsvHeader(const QString& runFolder);

// Where one window evaluation stands in the run.
struct RunFileTick {
    int camera = 0;
    int window = 0;
    int scan = 0;
    double elapsedSeconds = 0;
    double temperature = 0; // scanTemperature of the scan
};

// light.csv: scan, quoted minutes, the power (0 while the pulse is off).
RunFileWrite appendLightRow(const QString& runFolder, const RunFileTick& tick, int power);

// lastread<c><w>.csv: the eleven samples of positions 3..windowPixels by image
// line, rewritten, or appended with scan and time lines when saveRaw is ticked.
RunFileWrite writeLastRead(const QString& runFolder, const RunFileTick& tick, const WindowPixelList& pixels,
                           int windowPixels, const SampleFrames& samples, bool saveRaw);

// wellactivity<c><w>.csv: the scaled activity of positions 1..windowPixels by
// image line, appended as a block of the scan.
RunFileWrite appendWellActivity(const QString& runFolder, const RunFileTick& tick, const WindowPixelList& pixels,
                                int windowPixels, const WindowActivity& window);

// current_activity.txt and adjusted_activity.txt: a row per plate column the
// window's camera sees, the running total (and times the well's factor), 0 for
// a camera not in use.
RunFileWrite appendActivityRows(const QString& runFolder, const RunFileTick& tick, const PlateGeometry& geometry,
                                bool cameraInUse, const std::array<double, kRunWells>& wellActivityNow,
                                const std::array<double, kWellSlots>& intRefFactor);

// current_temperature.txt: minutes and the scan's temperature.
RunFileWrite appendTemperatureRow(const QString& runFolder, const RunFileTick& tick);
