#include "advanced/AdvancedConnect.h"
#include "flash/PixelMaskUpload.h"
#include "plate/pixelsets/PixelMask.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

// The advanced page's connect button pressed to disconnect while a mask
// upload runs: the port stays open until the upload has ended at a block.
namespace {

using AdvancedDisconnect = SimulatedLinkTest<FakeClock, RecordingConsole>;

TEST_F(AdvancedDisconnect, DuringAnUploadClosesThePortOnceTheUploadEnded)
{
    sim.setPacing(115200);
    sim.start();
    AdvancedPortControls controls;
    controls.txtcom = QStringLiteral("1");
    connectAdvancedPort(globals, comm, controls);
    ASSERT_TRUE(globals.portOpen);

    PixelMask mask;
    mask.set(0, 3, 5, true);
    bool pressed = false;
    clock.onTick = [&] {
        if (!pressed && console.commText().startsWith(QStringLiteral("rcv(12):"))) {
            pressed = true;
            connectAdvancedPort(globals, comm, controls);
            EXPECT_EQ(controls.cmdopen, "DisConnected");
            EXPECT_TRUE(comm.isOpen(1));
        }
    };
    EXPECT_EQ(SendPixelMaskToFlash(ctx, mask, 0), -1);
    clock.onTick = nullptr;

    ASSERT_TRUE(pressed);
    EXPECT_FALSE(comm.isOpen(1));
    EXPECT_FALSE(globals.portOpen);
    // Blocks 0 to 12, each whole.
    const std::vector<SimCommand> got = sim.receivedCommands();
    ASSERT_EQ(got.size(), 8u);
    EXPECT_EQ(got.back().b, 12);
    EXPECT_EQ(got.back().payload, PixelMaskBlock(mask, 0, 12));

    // Connect again: the port opens as before.
    connectAdvancedPort(globals, comm, controls);
    EXPECT_TRUE(globals.portOpen);
    EXPECT_EQ(controls.cmdopen, "Connected");
}

} // namespace
