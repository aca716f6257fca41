#include "reporting/JointReport.h"

QString jointOutlierQuestion()
{
    return QStringLiteral("Do you like to remove outliers?\r\noutlier = Activity(t) > 3.5 * Median(t-2;t+2)");
}

JointTableResult prepareJointReport(const ProgramFolder& program, const std::vector<JointListEntry>& entries,
                                    Prompts& prompts, Clock& clock)
{
    const bool removeOutliers = prompts.question(jointOutlierQuestion(), PromptButtons::YesNo) == PromptAnswer::Yes;
    JointTableResult table = writeJointTable(program, entries, removeOutliers, clock.now());
    if (!table.written)
        prompts.message(QStringLiteral("Report Error"));
    return table;
}

void handOverJointTable(const JointTableResult& table, ReportPanelState& panel, QString& runFolder,
                        JointReportPage page)
{
    if (page == JointReportPage::SavedData)
        panel.title = QStringLiteral("Joint Report");
    panel.jointReportMode = true;
    panel.jointFileName = table.fileName;
    panel.selectedOutput = 0;
    panel.outputEnabled = {true, false, false, false};
    panel.intRefEnabled = false;
    panel.blankEnabled = false;
    panel.binItems = QStringList{QStringLiteral("ScanTime")};
    panel.binText = QStringLiteral("ScanTime");
    panel.binsizeCaption = QStringLiteral("Joining time:");
    panel.generateCaption = QStringLiteral("Generate Joint Report");
    panel.intRefIndex = 1;
    runFolder = table.runFolder;
    panel.visible = true;
}
