#pragma once

#include <QString>

class ProgramFolder;

// 1 when the last line of a run's current_activity.txt (after its two header
// lines) is at more than 10 minutes, rounded to whole minutes; 0 otherwise,
// also for a missing or short file.
int CheckRunLongerThan10Min(const QString& activityFilePath);

// Whether the instrument's internal-reference project holds a run of the
// format ("????????_??????" + format + anything) that lasted more than 10
// minutes. Never fails: anything missing gives false.
bool HasInternalReferenceRun(const ProgramFolder& folder, int serialNumber, const QString& format);
