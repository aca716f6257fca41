// A run as a user meets a disk that fills: the run ends as STOP ends it, the
// message names the file, and the run recorded so far opens on the saved-data
// page with its heat map.
#include "ProgramRunRig.h"

#include "acquisition/run/RunLoopText.h"
#include "analysis/panels/Frrm_offline.h"
#include "support/FileSizeLimit.h"

#include <QListWidget>

#include <gtest/gtest.h>

namespace {

using RunOnAFullDisk = ProgramRunRig;

TEST_F(RunOnAFullDisk, TheRunStopsSaysWhichFileAndWhatWasRecordedStillOpens)
{
    startProgram();
    startRun(QStringLiteral("w6"), QStringLiteral("30"), QStringLiteral("full"));
    tickRun(2);
    ASSERT_TRUE(window().Timer2->isActive());
    const QByteArray activity = runFile(QStringLiteral("current_activity.txt"));
    {
        // A window's frame file is the largest write by far: none fits any more.
        const FileSizeLimit full(100000);
        tickRun();
    }
    EXPECT_FALSE(window().Timer2->isActive());
    EXPECT_EQ(control<QPushButton>(window(), "cmdPlay").text(), "Play");
    EXPECT_FALSE(control<QLineEdit>(window(), "txtlapse").isReadOnly());
    ASSERT_EQ(prompts.messages.size(), 1) << prompts.messages.join('|').toStdString();
    EXPECT_EQ(prompts.messages[0], runFileFailureText(QDir(runFolder()).filePath(QStringLiteral("lastread00.csv"))));
    prompts.messages.clear();
    // Two whole scans and nothing of the third.
    EXPECT_EQ(runFile(QStringLiteral("current_activity.txt")), activity);
    EXPECT_EQ(fileLines(QDir(runFolder()).filePath(QStringLiteral("current_activity.txt"))).size(), 2 + 6 * 2 + 1);
    expectWholeRunFiles();

    // The run list still opens it, and its heat map loads both scans.
    control<QPushButton>(window(), "cmd_load_recording").click();
    auto* page = qobject_cast<Frrm_offline*>(program->pages().savedDataPage());
    ASSERT_NE(page, nullptr);
    for (const QString& line : {QStringLiteral("default_project"), QStringLiteral("full")}) {
        const QList<QListWidgetItem*> items = page->Listpj->findItems(line, Qt::MatchContains);
        ASSERT_FALSE(items.isEmpty()) << line.toStdString();
        page->Listpj->setCurrentItem(items.first());
        emit page->Listpj->itemDoubleClicked(items.first());
    }
    EXPECT_EQ(QDir(page->state.pageRunFolder).absolutePath(), QDir(runFolder()).absolutePath());
    page->cmd_plotheat->click();
    ASSERT_TRUE(page->heatMap.loaded());
    EXPECT_EQ(page->heatMap.lastScan, 1);
    page->close();
    prompts.messages.clear();
}

} // namespace
