#pragma once

#include "core/ProgramFolder.h"

#include <QDateTime>
#include <QString>
#include <vector>

class ReportFileWriter;

// One line of the project and run list as the joint report reads it.
struct JointListEntry {
    QString text;
    bool selected = false;
};

// A project line begins with "+"; a run line has ">" as its third character.
bool isJointProjectEntry(const QString& entry);
bool isJointRunEntry(const QString& entry);

// The project folder named by a project line: the text after its first tab.
QString projectFolderOfEntry(const QString& projectEntry);

// The run folder's name prefix "yyyymmdd_hhmm" rebuilt from a run line; empty
// when the line lacks one of its parts.
QString jointRunPrefix(const QString& runEntry);

// Where a run line of the list leads.
struct JointRun {
    QString project;       // the nearest project line above; empty when none
    QString folderName;    // empty when no folder begins with the prefix
    QString folderPath;
    QString formatCode;    // from the run's subpj.dat; empty when unreadable
};

// Finds the run of the list entry at `index`: its project from the nearest
// project line above, its folder as the first by name in that project that
// begins with the rebuilt prefix.
JointRun locateJointRun(const ProgramFolder& program, const std::vector<JointListEntry>& entries,
                        std::size_t index);

// "joint" + "yyyymmddhhmmss" + ".txt".
QString jointTableFileName(const QDateTime& when);

// The folder of joint tables, reports/default_project, and a table in it.
QString jointTableFolder(const ProgramFolder& program);
QString jointTablePath(const ProgramFolder& program, const QString& jointFileName);

// Writes one run's block: "\" project, "\" run folder " [" format "]", the
// header of the format's wells down the columns, one line per complete time
// point (outliers replaced when asked), an empty line. A run without a known
// format gets a bare "Time" header and no time points; a run without its
// adjusted_activity.txt no time points.
void writeJointRunBlock(ReportFileWriter& table, const JointRun& run, bool outlierRemoval);

struct JointTableResult {
    QString fileName;      // jointFileName
    QString filePath;
    bool written = false;  // false: the table could not be written whole
    int runs = 0;          // run entries joined
    // reports and the project of the last run entry joined; reports alone when none.
    QString runFolder;
};

// Writes the joint table of the selected run entries, top to bottom, into
// reports/default_project (created when missing); project entries are skipped
// even when selected. The table is created anew.
JointTableResult writeJointTable(const ProgramFolder& program, const std::vector<JointListEntry>& entries,
                                 bool outlierRemoval, const QDateTime& when);
