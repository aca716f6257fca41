#include "plate/files/CamConf.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
QString flagText(const CameraFlags& f)
{
    QString s;
    for (bool on : f)
        s += on ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}
} // namespace

TEST(CamConf, ReadsTheFirstLineAndDisablesOnlyWhereItSaysZero)
{
    const struct { const char* bytes; const char* flags; } cases[] = {
        {"101111\r\n", "101111"},
        {"10\r\n", "101111"},           // a short line enables the rest
        {"x0x0x0\r\n", "101010"},       // only "0" disables
        {"000000\n", "000000"},         // LF line ends read too
        {"111111\r\n000000\r\n", "111111"}, // only the first line counts
        {"1111110\r\n", "111111"},      // characters past the sixth are not cameras
        {"", "111111"},
        {"\r\n001111\r\n", "111111"},   // an empty first line enables all
    };
    TempProgramFolder tmp;
    const QString path = tmp.path(QStringLiteral("config/camconf.dat"));
    for (const auto& c : cases) {
        ASSERT_TRUE(writeBytes(path, c.bytes));
        EXPECT_EQ(flagText(ReadCamConf(path)), QLatin1String(c.flags)) << c.bytes;
    }
}

TEST(CamConf, MissingFileEnablesEveryCamera)
{
    TempProgramFolder tmp;
    EXPECT_EQ(flagText(ReadCamConf(camConfPath(tmp.folder(), 7))), QStringLiteral("111111"));
}

TEST(CamConf, PathIsInTheUnitFolderFoundWhateverItsCase)
{
    TempProgramFolder tmp;
    EXPECT_EQ(camConfPath(tmp.folder(), 0), tmp.folder().root() + QStringLiteral("/config/camconf.dat"));
    ASSERT_TRUE(writeBytes(tmp.folder().root() + QStringLiteral("/config_sn12/camconf.dat"), "011111\r\n"));
    EXPECT_EQ(flagText(ReadCamConf(camConfPath(tmp.folder(), 12))), QStringLiteral("011111"));
}

TEST(CamConf, WriteReplacesTheFileWithOneLineAndCreatesNoFolder)
{
    TempProgramFolder tmp;
    const QString path = tmp.path(QStringLiteral("config_SN3/camconf.dat"));
    ASSERT_TRUE(writeBytes(path, "000000\r\nold second line\r\n"));

    EXPECT_TRUE(WriteCamConf(path, CameraFlags{true, true, true, true, true, true}));
    EXPECT_EQ(fileBytes(path), QByteArray("111111\r\n"));
    EXPECT_TRUE(WriteCamConf(path, CameraFlags{true, false, true, true, false, true}));
    EXPECT_EQ(fileBytes(path), QByteArray("101101\r\n"));
    EXPECT_EQ(flagText(ReadCamConf(path)), QStringLiteral("101101"));

    const QString nowhere = tmp.path(QStringLiteral("config_SN4/camconf.dat"));
    EXPECT_FALSE(WriteCamConf(nowhere, CameraFlags{}));
    EXPECT_FALSE(QFileInfo::exists(tmp.path(QStringLiteral("config_SN4"))));
}
