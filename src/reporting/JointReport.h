#pragma once

#include "core/Clock.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "reporting/JointTable.h"
#include "reporting/ReportPanelState.h"

#include <vector>

// The question asked before a joint report is made.
QString jointOutlierQuestion();

// What the list's "Joint Report" does before the panel takes over: asks
// whether outliers are removed, takes the time once and writes the joint table
// of the selected run entries. A table that cannot be written whole shows
// "Report Error"; the result then says it was not written and nothing is handed over.
JointTableResult prepareJointReport(const ProgramFolder& program, const std::vector<JointListEntry>& entries,
                                    Prompts& prompts, Clock& clock);

// Which window's panel takes the table: the saved-data page titles its panel "Joint Report".
enum class JointReportPage { MainWindow, SavedData };

// Hands a written joint table to the report panel: joint mode on with the
// table's name, "Rows" selected and the other outputs off, the
// internal-reference choice and the blank box off, "ScanTime" the only bin,
// the joint captions, "Apply", runFolder the project of the last run joined,
// the panel shown.
void handOverJointTable(const JointTableResult& table, ReportPanelState& panel, QString& runFolder,
                        JointReportPage page = JointReportPage::MainWindow);
