#pragma once

#include <QString>
#include <optional>

// What a run's subpj.dat holds: line 1 the acquisition name, line 2
// "acq_time=" and the minutes, line 3 "plate_format=" and the format code.
struct SubpjInfo {
    QString acquisitionName;
    QString acquisitionMinutes; // decimal, no blanks; empty when the line lacks the key
    QString plateFormat;        // empty when the line lacks the key
};

// Reads the subpj.dat of a run folder. Nothing when the file is missing or
// unreadable, or when its time is not a 16-bit number: then no part of it counts.
std::optional<SubpjInfo> readSubpjFile(const QString& runFolder);

// The run's plate format code; empty when it cannot be read.
QString ReadSubpjInfo(const QString& runFolder);

// The acquisition name (line 1); empty when it cannot be read.
QString ReadSubpjInfoBlankList(const QString& runFolder);

// The acquisition time in whole minutes, decimal without blanks; empty when it cannot be read.
QString ReadSubpjInfoBlankLoad(const QString& runFolder);

// The first line of the run's subpj.dat; empty when the file is missing or unreadable.
// Unlike the readers above, a bad time line does not matter here.
QString ReadSubpjFirstLine(const QString& runFolder);
