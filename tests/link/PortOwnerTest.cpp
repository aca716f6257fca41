#include "ScriptedLink.h"

#include "link/port/PortOwner.h"
#include "link/protocol/ExchangeScope.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

// Every open and close of the instrument's port goes through one owner.
namespace {

class PortOwner : public SimulatedLinkTest<> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.start();
    }
    qint32 baudOf(int port) const { return comm.record(port)->settings.baudRate; }
};

TEST_F(PortOwner, OpensClosesAndReopensThePortInUse)
{
    ASSERT_EQ(openPortInUse(globals, comm, 1, 115200), 0);
    EXPECT_TRUE(globals.portOpen);
    EXPECT_EQ(globals.commPort, 1);
    EXPECT_TRUE(comm.isOpen(1));
    EXPECT_EQ(baudOf(1), 115200);

    ASSERT_EQ(reopenPortInUse(globals, comm, 1000000), 0);
    EXPECT_TRUE(globals.portOpen);
    EXPECT_EQ(globals.commPort, 1);
    EXPECT_EQ(baudOf(1), 1000000);

    closePortInUse(globals, comm);
    EXPECT_FALSE(globals.portOpen);
    EXPECT_FALSE(comm.isOpen(1));
    EXPECT_EQ(globals.commPort, 1); // the port last used stays named
    // Closed for good: it opens again without "Port in use.".
    EXPECT_EQ(openPortInUse(globals, comm, 1, 115200), 0);
}

TEST_F(PortOwner, AFailedOpenLeavesNoPortInUse)
{
    globals.commPort = 1;
    // COM4 has no device behind it.
    EXPECT_NE(openPortInUse(globals, comm, 4, 115200), 0);
    EXPECT_FALSE(globals.portOpen);
    EXPECT_EQ(globals.commPort, 1);
    EXPECT_FALSE(comm.isOpen(4));
    // A port number outside the table is the module's own failure.
    EXPECT_EQ(openPort(comm, 17, 115200), ModCOMM::kBadPortNumber);
}

TEST_F(PortOwner, ClosingUnderARunningTransferWaitsForItsEnd)
{
    ASSERT_EQ(openPortInUse(globals, comm, 1, 115200), 0);
    {
        ExchangeScope transfer(ctx);
        ASSERT_FALSE(transfer.refused());
        closePortInUse(globals, comm);
        // Still open for the transfer's current block, which is told to stop.
        EXPECT_TRUE(comm.isOpen(1));
        EXPECT_TRUE(globals.portOpen);
        EXPECT_TRUE(transfer.stopRequested());
        EXPECT_EQ(reopenPortInUse(globals, comm, 1000000), ModCOMM::kLinkBusy);
    }
    EXPECT_FALSE(comm.isOpen(1));
    EXPECT_FALSE(globals.portOpen);
    EXPECT_FALSE(comm.guard().stopRequested());
}

} // namespace

namespace {

TEST(PortOwnerScripted, AnOpenWhoseSetUpFailsIsClosedAgain)
{
    for (const auto step : {ScriptedSerialLine::Step::QueueSizes, ScriptedSerialLine::Step::ApplySettings}) {
        ScriptedLink link;
        link.line.failingSteps[step] = kErrorGenFailure;
        EXPECT_EQ(openPortInUse(link.globals, link.comm, 2, 115200), kErrorGenFailure);
        EXPECT_FALSE(link.comm.isOpen(2));
        EXPECT_FALSE(link.globals.portOpen);
        // Not left "in use": the next open goes through.
        link.line.failingSteps.clear();
        EXPECT_EQ(openPortInUse(link.globals, link.comm, 2, 115200), 0);
        EXPECT_EQ(link.globals.commPort, 2);
    }
}

TEST(PortOwnerScripted, AModuleWithoutDevicesOpensNothing)
{
    Globals globals;
    TempProgramFolder folder;
    ModCOMM comm(globals, PortMapping(folder.folder()), SerialDeviceFactory{});
    EXPECT_EQ(openPortInUse(globals, comm, 1, 115200), kErrorGenFailure);
    EXPECT_FALSE(comm.isOpen(1));
    EXPECT_FALSE(globals.portOpen);
}

} // namespace
