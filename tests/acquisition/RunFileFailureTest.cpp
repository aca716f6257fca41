#include "RunLoopRig.h"

#include "acquisition/run/RunLoopText.h"
#include "support/FileSizeLimit.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

// A run whose files stop taking lines: the run ends as STOP ends it, says
// which file, and what it recorded before stays whole.
namespace {

using RunFileFailure = RunLoopRig;

// The file of camera 1's first evaluation that cannot be written: a folder stands in its place.
class RunFileBlocked : public RunLoopRig, public ::testing::WithParamInterface<const char*> {};

TEST_P(RunFileBlocked, TheRunStopsAndNamesTheFile)
{
    const QString name = QLatin1String(GetParam());
    prepare("w6");
    ASSERT_TRUE(begin(30));
    tickWhile([&] { return run.currentCamera == 0; });
    ASSERT_TRUE(lastArmed);
    const QStringList adjustedBefore = lines(kAdjustedActivityFile);
    QFile::remove(runFile(name));
    ASSERT_TRUE(QDir().mkpath(runFile(name)));

    EXPECT_EQ(tickWhile([] { return true; }, 50), 11); // the evaluation's tick was the last
    EXPECT_FALSE(lastArmed);
    EXPECT_EQ(runState, 0);
    EXPECT_EQ(host.stops, 1);
    EXPECT_EQ(host.errorStops, 1);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0], runFileFailureText(runFile(name)));
    prompts.messages.clear();
    EXPECT_FALSE(loop->tick()); // nothing more is measured
    // A row that missed the raw activity file missed the adjusted one too.
    if (name == kCurrentActivityFile) {
        EXPECT_EQ(lines(kAdjustedActivityFile), adjustedBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryRunFile, RunFileBlocked,
                         ::testing::Values("light.csv", "lastread10.csv", "wellactivity10.csv", "current_activity.txt",
                                           "adjusted_activity.txt", "current_temperature.txt"));

TEST_F(RunFileFailure, AFullDiskStopsTheRunAndLeavesWhatWasRecordedWhole)
{
    prepare("w6");
    ASSERT_TRUE(begin(30));
    ticksToScan(1);
    tickWhile([&] { return run.currentCamera == 0; }); // scan 1's first window, evaluated
    const QByteArray lastRead = fileBytes(runFile("lastread10.csv"));
    ASSERT_FALSE(lastRead.isEmpty());
    {
        // The disk fills: no file grows to half the size of camera 1's frame
        // file, the largest write of the next evaluation by far.
        const FileSizeLimit full(rlim_t(lastRead.size() / 2));
        ASSERT_EQ(tickWhile([] { return true; }, 200), 11);
    }
    EXPECT_EQ(runState, 0);
    EXPECT_EQ(host.errorStops, 1);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0], runFileFailureText(runFile("lastread10.csv")));
    prompts.messages.clear();
    // What was recorded before is there, in whole lines, for the run list and the report.
    EXPECT_EQ(fileBytes(runFile("lastread10.csv")), lastRead);
    for (const QFileInfo& f : QDir(runFolder).entryInfoList(QDir::Files)) {
        const QByteArray bytes = fileBytes(f.filePath());
        EXPECT_TRUE(!bytes.isEmpty() && endsInWholeCrLfLines(bytes)) << f.fileName().toStdString();
    }
    EXPECT_EQ(lineCount(kCurrentActivityFile), 2 + 6 + 1);
}

} // namespace
