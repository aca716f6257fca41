#include "analysis/WellActivityLoader.h"
#include "analysis/WellExtent.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

// The chemotaxis pre-scan finds the extent the heat map's loader finds.
TEST(WellExtent, AgreesWithTheLoadersGeometry)
{
    const struct {
        QList<QByteArray> lines;
        QStringList loaderMessages;
    } blocks[] = {
        {{"A1,0,-,-,-,-,-,-", "A1,1,-,2,0,1,-,-", "A1,2,-,-,0,3,0,-", "A1,3,-,4,0,0,-,-", "A1,4,-,-,-,-,-,-"}, {}},
        {{"A1,0,-,-,-", "A1,1,5,0,-,3", "A1,2,-,-,7,-", "A1,3,0,0,0,0"}, {}},
        // The loader takes this geometry, then stops on the values with its error box.
        {{"A1,0,-,-", "A1,1,-,-,-,-"}, {"Error processing files"}},
        {{"A1,0,,,1", "A1,1,-,,-,2,"}, {}},
    };
    for (const auto& [block, loaderMessages] : blocks) {
        TempProgramFolder tmp;
        QByteArray text = "scan,0\r\ntime[m],\"0.5\"\r\n";
        WellExtentScan scan;
        for (const QByteArray& l : block) {
            text += l + "\r\n";
            scan.addLine(l);
        }
        ASSERT_TRUE(writeBytes(tmp.path("run/wellactivity00.csv"), text + "\r\n"));
        HeatMapData data;
        ScriptedPrompts prompts;
        LoadWellActivityFiles(tmp.path("run"), "w6", data, WellActivityLoadView{}, prompts);
        EXPECT_EQ(prompts.messages, loaderMessages) << block.first().constData();
        const HeatWellGeometry& g = data.geometry[0];
        const WellExtent& e = scan.extent();
        EXPECT_EQ(e.dataLineCount, g.lineCount) << block.first().constData();
        EXPECT_EQ(e.dataWidth, g.cellCount) << block.first().constData();
        EXPECT_EQ(e.firstDataPixel, g.firstCell) << block.first().constData();
        if (g.lineCount > 0) {
            EXPECT_EQ(e.firstDataLine, g.firstDataLine) << block.first().constData();
        }
    }
}

} // namespace
