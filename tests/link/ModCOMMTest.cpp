#include "ScriptedLink.h"

#include <gtest/gtest.h>

namespace {

const QString kHandleInvalid = QStringLiteral("The handle is invalid.\r\n");

class ModCOMMTest : public ::testing::Test {
protected:
    qint32 open(int port, const QString& name = QStringLiteral("COM1"),
                const QString& settings = kSettings115200)
    {
        return s.comm.CommOpen(port, name, settings);
    }
    QString source() const { return s.globals.commErrorSource; }

    ScriptedLink s;
};

TEST_F(ModCOMMTest, PortNumbersOutsideTheTableAreRefusedByEveryOperation)
{
    const quint8 frame[5] = {0xFF, 'N', 0, 0, 'N'};
    struct Case {
        const char* operation;
        std::function<qint32(ModCOMM&, int)> call;
        qint32 result;
        const char* source;
    };
    const Case cases[] = {
        {"open", [](ModCOMM& c, int p) { return c.CommOpen(p, "COM1", kSettings115200); },
         ModCOMM::kBadPortNumber, "CommOpen"},
        {"close", [](ModCOMM& c, int p) { return c.CommClose(p); }, ModCOMM::kBadPortNumber, "CommClose"},
        {"flush", [](ModCOMM& c, int p) { return c.CommFlush(p); }, ModCOMM::kBadPortNumber, "CommFlush"},
        // The read fails, then so does its closing purge, which is recorded last.
        {"read", [](ModCOMM& c, int p) { QByteArray d; return c.CommRead(p, d, 3); }, -1, "CommFlush"},
        {"write", [](ModCOMM& c, int p) { return c.CommWrite(p, "N"); }, 0, "CommWrite"},
        {"write bytes", [&](ModCOMM& c, int p) { return c.CommWriteBytes(p, frame); }, 0, "CommWrite"},
    };
    for (const int port : {0, 17}) {
        for (const Case& c : cases) {
            s.globals.commErrorSource.clear();
            EXPECT_EQ(c.call(s.comm, port), c.result) << c.operation << " " << port;
            EXPECT_EQ(source(), c.source) << c.operation << " " << port;
            EXPECT_NE(s.globals.commLastError, 0);
        }
    }
    EXPECT_TRUE(s.line.openedPaths.isEmpty());
    EXPECT_EQ(s.line.purges + s.line.reads + int(s.line.writes.size()), 0);
}

TEST_F(ModCOMMTest, APortNeverOpenedFailsAtTheDevice)
{
    EXPECT_EQ(s.comm.CommFlush(3), kErrorInvalidHandle);
    EXPECT_EQ(source(), "CommFlush (PurgeComm)");
    EXPECT_EQ(s.globals.commErrorText, kHandleInvalid);

    EXPECT_EQ(s.comm.CommWrite(3, "N"), -1);
    EXPECT_EQ(source(), "CommWrite (WriteFile)");
    EXPECT_EQ(s.globals.commErrorText, kHandleInvalid + "  COMM Error Flags = 0");

    QByteArray data;
    EXPECT_EQ(s.comm.CommRead(3, data, 1), -1);
    EXPECT_EQ(s.clock.elapsedMs(), 0); // fails at once, no time-out
    EXPECT_EQ(source(), "CommFlush (PurgeComm)"); // the closing purge fails last

    EXPECT_EQ(s.comm.CommClose(3), 0); // not open: nothing to do
}

TEST_F(ModCOMMTest, OpenSetsUpThePort)
{
    for (const auto& [settings, baud] : {std::pair{kSettings115200, 115200},
                                         std::pair{QStringLiteral("baud=1000000 parity=N data=8 stop=1"), 1000000}}) {
        ScriptedLink link;
        ASSERT_EQ(link.comm.CommOpen(1, "COM1", settings), 0);
        EXPECT_TRUE(link.comm.isOpen(1));
        EXPECT_EQ(link.line.openedPaths, QStringList{"/dev/ttyUSB0"});
        EXPECT_EQ(link.line.settings.baudRate, baud);
        EXPECT_EQ(link.line.settings.dataBits, 8);
        EXPECT_EQ(link.line.purges, 1);
        EXPECT_EQ(link.line.timeouts.readIntervalMs, 100);
        EXPECT_EQ(link.line.timeouts.readTotalConstantMs, 500);
        EXPECT_EQ(link.line.timeouts.readTotalMultiplierMs, 0);
        EXPECT_EQ(link.line.timeouts.writeTotalMultiplierMs, 1000);
        EXPECT_EQ(link.comm.record(1)->settings.baudRate, baud);
    }
}

TEST_F(ModCOMMTest, OpeningAnOpenPortIsRefusedAndLeavesItWorking)
{
    ASSERT_EQ(open(1), 0);
    EXPECT_EQ(open(1), ModCOMM::kPortInUse);
    EXPECT_EQ(source(), "CommOpen");
    EXPECT_EQ(s.globals.commErrorText, "Port in use.");
    EXPECT_EQ(s.globals.commLastError, -1);

    s.line.script(bytes({'N', 0, 42}));
    EXPECT_EQ(s.comm.CommWrite(1, bytes({0xFF, 'N', 0, 0, 'N'})), 5);
    QByteArray data;
    EXPECT_EQ(s.comm.CommRead(1, data, 3), 3);
    EXPECT_EQ(data, bytes({'N', 0, 42}));
}

TEST_F(ModCOMMTest, MissingOrBusyDeviceLeavesThePortClosed)
{
    s.line.openErrors["/dev/ttyUSB1"] = kErrorFileNotFound;
    EXPECT_EQ(open(2, "COM2"), kErrorFileNotFound);
    EXPECT_EQ(source(), "CommOpen (CreateFile)");
    EXPECT_EQ(s.globals.commErrorText, "The system cannot find the file specified.\r\n");
    EXPECT_FALSE(s.comm.isOpen(2));
    EXPECT_EQ(s.comm.CommClose(2), 0);

    // Port 3 asks for the device port 1 holds.
    ASSERT_EQ(open(1, "COM1"), 0);
    EXPECT_EQ(open(3, "COM1"), kErrorAccessDenied);
    EXPECT_EQ(s.globals.commErrorText, "Access is denied.\r\n");
    EXPECT_FALSE(s.comm.isOpen(3));
}

TEST_F(ModCOMMTest, ASetUpStepFailingLeavesThePortOpenUntilClosed)
{
    using Step = ScriptedSerialLine::Step;
    struct Case {
        std::optional<Step> step;
        const char* settings;
        const char* source;
        qint32 code;
    };
    const Case cases[] = {
        {Step::QueueSizes, "baud=115200", "CommOpen (SetupComm)", kErrorGenFailure},
        {Step::Purge, "baud=115200", "CommOpen (PurgeComm)", kErrorGenFailure},
        {Step::Timeouts, "baud=115200", "CommOpen (SetCommTimeouts)", kErrorGenFailure},
        {Step::GetSettings, "baud=115200", "CommOpen (GetCommState)", kErrorGenFailure},
        {std::nullopt, "baud=quick", "CommOpen (BuildCommDCB)", kErrorInvalidParameter},
        {Step::ApplySettings, "baud=115200", "CommOpen (SetCommState)", kErrorGenFailure},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        if (c.step)
            link.line.failingSteps[*c.step] = kErrorGenFailure;
        EXPECT_EQ(link.comm.CommOpen(1, "COM1", c.settings), c.code) << c.source;
        EXPECT_EQ(link.globals.commErrorSource, c.source);
        EXPECT_TRUE(link.comm.isOpen(1)) << c.source;
        EXPECT_EQ(link.comm.CommOpen(1, "COM1", kSettings115200), ModCOMM::kPortInUse) << c.source;

        link.line.failingSteps.clear();
        EXPECT_EQ(link.comm.CommClose(1), 0);
        EXPECT_EQ(link.comm.CommOpen(1, "COM1", kSettings115200), 0) << c.source;
    }
}

TEST_F(ModCOMMTest, AFailedCloseKeepsThePortOpen)
{
    ASSERT_EQ(open(1), 0);
    s.line.failingSteps[ScriptedSerialLine::Step::Close] = kErrorGenFailure;
    EXPECT_EQ(s.comm.CommClose(1), kErrorGenFailure);
    EXPECT_EQ(source(), "CommClose (CloseHandle)");
    EXPECT_TRUE(s.comm.isOpen(1));
}

TEST_F(ModCOMMTest, ReadTimeOutsAndShortReadsPurge)
{
    ASSERT_EQ(open(1), 0);
    struct Case {
        const char* name;
        QByteArray arriving;
        int wanted;
        qint32 result;
        qint64 elapsedMs;
        bool purged;
        int left; // bytes still waiting for the next read
    };
    const Case cases[] = {
        {"nothing comes", {}, 1, 0, 500, true, 0},
        {"20 of 32", QByteArray(20, 'x'), 32, 20, 100, true, 0},
        {"all that was asked", QByteArray(3, 'x'), 3, 3, 0, false, 0},
        // A full read of 512 is no short read: the rest stays for the next one.
        {"more than a read takes", QByteArray(600, 'x'), 600, 512, 0, false, 88},
    };
    for (const Case& c : cases) {
        s.line.arrive(c.arriving);
        const qint64 start = s.clock.elapsedMs();
        const int purges = s.line.purges;
        QByteArray data;
        EXPECT_EQ(s.comm.CommRead(1, data, c.wanted), c.result) << c.name;
        EXPECT_EQ(data.size(), c.result) << c.name;
        EXPECT_EQ(s.clock.elapsedMs() - start, c.elapsedMs) << c.name;
        EXPECT_EQ(s.line.purges - purges, c.purged ? 1 : 0) << c.name;
        EXPECT_EQ(s.line.waitingBytes(), c.left) << c.name;
        s.comm.CommFlush(1);
    }
}

TEST_F(ModCOMMTest, FailedTransfersRecordTheLineFlags)
{
    ASSERT_EQ(open(1), 0);
    s.line.failingSteps[ScriptedSerialLine::Step::Read] = kErrorGenFailure;
    s.line.lineErrorFlags = 0x1A;
    QByteArray data;
    EXPECT_EQ(s.comm.CommRead(1, data, 3), -1);
    EXPECT_EQ(source(), "CommRead (ReadFile)"); // its purge succeeded
    EXPECT_EQ(s.globals.commErrorText,
              "A device attached to the system is not functioning.\r\n  COMM Error Flags = 1A");

    s.line.failingSteps = {{ScriptedSerialLine::Step::Write, kErrorGenFailure}};
    const quint8 frame[5] = {0xFF, 'G', 0, 15, 'G' ^ 15};
    EXPECT_EQ(s.comm.CommWriteBytes(1, frame), -1);
    EXPECT_EQ(source(), "CommWrite (WriteFile)");
}

TEST_F(ModCOMMTest, SuccessLeavesTheLastFailureInPlace)
{
    EXPECT_EQ(open(0), ModCOMM::kBadPortNumber);
    ASSERT_EQ(open(1), 0);
    const quint8 frame[5] = {0xFF, 'G', 0, 15, 'G' ^ 15};
    EXPECT_EQ(s.comm.CommWriteBytes(1, frame), 5);
    EXPECT_EQ(s.line.written, bytes({0xFF, 'G', 0, 15, 'H'}));
    EXPECT_EQ(s.comm.CommFlush(1), 0);
    EXPECT_EQ(s.comm.CommClose(1), 0);
    EXPECT_EQ(source(), "CommOpen");
    EXPECT_EQ(s.globals.commLastError, ModCOMM::kBadPortNumber);
}

} // namespace
