#include "support/TempProgramFolder.h"
#include "link/port/PortMapping.h"
#include "link/port/SerialSettings.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(SerialSettings, ReadsTheSettingsText)
{
    struct Case {
        const char* text;
        qint32 baud;
        SerialParity parity;
        int data;
        SerialStopBits stop;
    };
    const Case cases[] = {
        {"baud=115200 parity=N data=8 stop=1", 115200, SerialParity::None, 8, SerialStopBits::One},
        {"baud=1000000 parity=N data=8 stop=1", 1000000, SerialParity::None, 8, SerialStopBits::One},
        {"BAUD=9600 PARITY=e DATA=7 STOP=2", 9600, SerialParity::Even, 7, SerialStopBits::Two},
        {"stop=1.5", 4800, SerialParity::Odd, 6, SerialStopBits::OneAndHalf}, // the rest kept
    };
    for (const Case& c : cases) {
        SerialSettings s{4800, SerialParity::Odd, 6, SerialStopBits::One};
        ASSERT_TRUE(buildSerialSettings(QString::fromLatin1(c.text), s)) << c.text;
        EXPECT_EQ(s, (SerialSettings{c.baud, c.parity, c.data, c.stop})) << c.text;
    }
}

TEST(SerialSettings, RefusesWhatItCannotRead)
{
    for (const char* text : {"", "baud=fast", "baud=0", "parity=X", "data=9", "stop=3", "speed=9600",
                             "baud115200"}) {
        SerialSettings s;
        EXPECT_FALSE(buildSerialSettings(QString::fromLatin1(text), s)) << text;
        EXPECT_EQ(s, SerialSettings{}) << text;
    }
}

TEST(PortMapping, LinkInPortsFolderElseUsbDevice)
{
    TempProgramFolder folder;
    QDir().mkpath(folder.path("ports"));
    ASSERT_TRUE(QFile::link("/dev/null", folder.path("ports/COM3")));
    ASSERT_TRUE(QFile::link(folder.path("nowhere"), folder.path("ports/COM4")));
    const PortMapping mapping(folder.folder());

    EXPECT_EQ(mapping.devicePath("COM3"), folder.path("ports/COM3"));
    EXPECT_EQ(mapping.devicePath("COM4"), folder.path("ports/COM4")); // dangling: still the port's link
    EXPECT_EQ(mapping.devicePath("COM1"), "/dev/ttyUSB0");
    EXPECT_EQ(mapping.devicePath("COM16"), "/dev/ttyUSB15");
    EXPECT_EQ(mapping.devicePath("/dev/ttyS0"), "/dev/ttyS0");
}

} // namespace
