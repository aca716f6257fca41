// The live map's view of a run made by the camera set-up of the w6 fixtures.
#include "acquisition/run/CameraRunSetup.h"
#include "acquisition/run/RunMapView.h"
#include "plate/files/FormatFiles.h"
#include "plate/files/WellSpecFile.h"
#include "support/FixtureFiles.h"
#include "support/RecordingConsole.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

class RunMapViewW6 : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(copyFormatFixtures("w6", tmp.path("config"), tmp.path("config_SN12")));
        ReadWellSpecFile(tmp.folder(), "w6", geometry);
        ReadWellFormatFiles(tmp.folder(), 12, "w6", geometry);
        ASSERT_EQ(ConfigureCamerasForFormat({geometry, 1, 20, "30"}, run, console, prompts), 1);
    }

    TempProgramFolder tmp;
    PlateGeometry geometry;
    RunRecord run;
    RecordingConsole console;
    ScriptedPrompts prompts;
};

TEST_F(RunMapViewW6, PixelsInsideAWellFindTheirPlateWellOthersNone)
{
    RunView view;
    setRunMapPixels(view, run, geometry, 2); // w6: 2 rows by 3 columns
    int inside = 0;
    for (int c = 0; c < kCameraCount; ++c) {
        for (int w = 0; w < kRowWindows; ++w) {
            const WindowPixelList& list = run.setup.pixels[size_t(c)][size_t(w)];
            const std::vector<int>& wells = view.pixelWellIndex[size_t(c)][size_t(w)];
            ASSERT_EQ(wells.size(), list.pixelWellIndex.size());
            EXPECT_EQ(view.pixelX[size_t(c)][size_t(w)], list.pixelX);
            for (size_t n = 1; n < wells.size(); ++n) {
                if (list.pixelWellIndex[n] < 0) {
                    EXPECT_EQ(wells[n], -1);
                    continue;
                }
                ++inside;
                const int column = geometry.firstColumn[size_t(c)] + list.pixelColumn[n];
                const int row = geometry.firstRow[size_t(c)] + list.pixelWindow[n];
                ASSERT_EQ(wells[n], column * 2 + row) << c << " " << w << " " << n;
                ASSERT_GE(wells[n], 0);
                ASSERT_LT(wells[n], 6);
            }
        }
    }
    EXPECT_GT(inside, 0);
}

TEST_F(RunMapViewW6, ValuesAreTheRecordsAfterAnEvaluation)
{
    run.window.reset(5);
    run.window.pixelActivityCount[3] = 7;
    run.results.wellActivityNow[4] = 12.5;
    run.blankValue[4] = 30;
    run.blankLapse = 60;
    run.intRefFactor[4] = 1.25;
    run.blankRun = true;
    RunView view;
    setRunMapValues(view, run);
    EXPECT_EQ(view.windowPixels, run.window.windowPixels);
    ASSERT_EQ(view.pixelActivityCount.size(), run.window.pixelActivityCount.size());
    EXPECT_EQ(view.pixelActivityCount[3], 7);
    EXPECT_EQ(view.wellActivityNow[4], 12.5);
    EXPECT_EQ(view.wellActivityNow[200], 0.0); // past the run's wells
    EXPECT_EQ(view.blankValue[4], 30);
    EXPECT_EQ(view.blankLapse, 60);
    EXPECT_EQ(view.intRefFactor[4], 1.25);
    EXPECT_TRUE(view.blankRun);
}

} // namespace
