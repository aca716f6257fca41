#pragma once

#include "core/Globals.h"
#include "plate/geometry/PlateFormat.h"
#include "projects/RunResults.h"

#include <QString>
#include <QStringList>

class Prompts;

// Opening a recorded run: its stamp from a list line, its set-up, its activity
// and temperature files, and the group list of its wells.

// The 13-character stamp yyyymmdd_hhmm rebuilt from a run line: the four
// characters two after the first ">", the four after the first ".", the two
// after the first "ACQ" and the two after the first ":".
QString runStampFromLine(const QString& line);

// The first entry of a project folder (listing order, folders included) whose
// name begins with the stamp and has no "."; empty when there is none.
QString findRunFolderName(const QString& projectFolder, const QString& stamp);

// The run's set-up as subpj.dat gives it, with the questions for what it lacks.
struct RunSetupRead {
    enum class Status { Read, TimeRefused, FormatRefused };
    Status status = Status::Read;
    QString acquisitionName; // line 1, also when a question was refused afterwards
    int minutes = 0;         // T
    QString plateFormat;
};

inline const QString kTimeQuestion = QStringLiteral("Not acq_time defined.define time [m]:");
inline const QString kFormatQuestion = QStringLiteral("Define plate type(w96f,w24,w12,w48,w6,p35):");
inline const QString kTimeRefusedStatus = QStringLiteral("Error entering time");
inline const QString kFormatRefusedStatus = QStringLiteral("Error entering Plate_Format");

// A folder without subpj.dat reads as T = 0 and no format, with no question.
RunSetupRead readRecordedRunSetup(const QString& runFolder, Prompts& prompts);

// The run tables of an opened run: one slot per well of the grid, scans as
// the file holds them (the tables grow with each "A1" row, so a run longer than
// its set-up says still loads whole). Accumulated totals become per-scan values.
// Rows before the first "A1", rows without two blanks, and wells whose row or
// column lies outside the grid store nothing. False when the file cannot be opened.
bool loadRecordedActivity(const QString& path, const PlateGrid& grid, RunResults& run);

// Fills scanTemperature from current_temperature.txt: readings after a scan's
// time move on by one scan; a finished scan gets the mean of its readings
// above 0, the last scan its last reading. Readings past the last scan are
// dropped. False when the file cannot be opened.
bool loadRecordedTemperature(const QString& path, RunResults& run);

// The group list of a run: for each group 0 to 383 with a well of the grid,
// its number as "000", "_" and its name, in ascending number.
QStringList recordedRunGroupList(const WellGroupTable& groups, const PlateGrid& grid);
