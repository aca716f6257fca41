#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"
#include "plate/files/InstallUnitFolder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include <functional>

namespace {

QStringList filesIn(const TempProgramFolder& tmp, const QString& folder)
{
    QStringList names = QDir(tmp.path(folder)).entryList(QDir::Files);
    names.sort();
    return names;
}

TEST(CopyTextFile, CopiesLinesEachEndedByCrLf)
{
    struct Case {
        const char* what;
        QByteArray source;
        QByteArray copy;
    };
    const Case cases[] = {
        {"CR LF lines", "a,1\r\nb,2\r\n", "a,1\r\nb,2\r\n"},
        {"LF lines", "a,1\nb,2\n", "a,1\r\nb,2\r\n"},
        {"no line end after the last line", "a,1\r\nb,2", "a,1\r\nb,2\r\n"},
        {"empty lines kept", "a\r\n\r\n\r\nb\r\n", "a\r\n\r\n\r\nb\r\n"},
        {"Latin-1 bytes as they stand", "\"T \xb0" "C\"\r\n", "\"T \xb0" "C\"\r\n"},
        {"an empty file", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder tmp;
        ASSERT_TRUE(writeBytes(tmp.path("from.dat"), c.source));
        ASSERT_TRUE(writeBytes(tmp.path("to.dat"), "an older and longer target\r\n"));
        EXPECT_TRUE(CopyTextFile(tmp.path("from.dat"), tmp.path("to.dat")));
        EXPECT_EQ(fileBytes(tmp.path("to.dat")), c.copy);
    }
}

TEST(CopyTextFile, AMissingSourceOrTargetFolderFailsAndChangesNothing)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(writeBytes(tmp.path("to.dat"), "kept\r\n"));
    EXPECT_FALSE(CopyTextFile(tmp.path("missing.dat"), tmp.path("to.dat")));
    EXPECT_EQ(fileBytes(tmp.path("to.dat")), "kept\r\n");

    ASSERT_TRUE(writeBytes(tmp.path("from.dat"), "x\r\n"));
    EXPECT_FALSE(CopyTextFile(tmp.path("from.dat"), tmp.path("no-folder/to.dat")));
    EXPECT_FALSE(QFileInfo::exists(tmp.path("no-folder")));
}

// Every installer: a target that is there stays, a source that is there is
// copied, and only the column and row files fall back to their defaults.
TEST(InstallUnitFolder, EachInstallerCompletesWhatItsTargetLacks)
{
    struct Case {
        const char* what;
        std::function<void(const ProgramFolder&)> install;
        QString source;
        QString target;
        QStringList files; // in the installer's order
        bool defaults;
    };
    const QString unit = QStringLiteral("config_SN12");
    const Case cases[] = {
        {"well format", [&](const ProgramFolder& f) { InstallWellFormatFiles(f, unit); }, "config", unit,
         {"w6_col.dat", "w6_row.dat", "p35_col.dat", "p35_row.dat", "w24_col.dat", "w24_row.dat"}, true},
        {"LED positions", [&](const ProgramFolder& f) { InstallLedXyFile(f, unit); }, "config", unit,
         {"ledxy.dat"}, false},
        {"temperature factors", [&](const ProgramFolder& f) { InstallTempFactorFile(f, unit); }, "config", unit,
         {"tempfactor.dat"}, false},
        {"factor corrections", [](const ProgramFolder& f) { InstallFactorCorrectionFiles(f, "SN12"); },
         "reports/_internal_reference", "reports/_internal_referenceSN12",
         {"p35_factor_correction.dat", "w6_factor_correction.dat", "w24_factor_correction.dat"}, false},
        {"blanks", [](const ProgramFolder& f) { InstallBlankFiles(f, "SN12"); },
         "reports/_internal_blank_measurement", "reports/_internal_blank_measurementSN12",
         {"blank_p35.dat", "blank_w6.dat", "blank_w24.dat"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The first file: in the target already (as the flash left it) and in the source.
        // The second: in the source only. The rest: nowhere.
        TempProgramFolder tmp;
        ASSERT_TRUE(writeBytes(tmp.path(c.target + "/" + c.files[0]), "from flash\r\n"));
        ASSERT_TRUE(writeBytes(tmp.path(c.source + "/" + c.files[0]), "shared\r\n"));
        if (c.files.size() > 1) {
            ASSERT_TRUE(writeBytes(tmp.path(c.source + "/" + c.files[1]), "shared\n2"));
        }

        c.install(tmp.folder());

        EXPECT_EQ(fileBytes(tmp.path(c.target + "/" + c.files[0])), "from flash\r\n");
        if (c.files.size() > 1) {
            EXPECT_EQ(fileBytes(tmp.path(c.target + "/" + c.files[1])), "shared\r\n2\r\n");
        }
        for (qsizetype i = 2; i < c.files.size(); ++i) {
            const QString target = tmp.path(c.target + "/" + c.files[i]);
            if (c.defaults) {
                EXPECT_EQ(fileBytes(target), defaultFixture(c.files[i])) << c.files[i].toStdString();
            } else {
                EXPECT_FALSE(QFileInfo::exists(target)) << c.files[i].toStdString();
            }
        }
        // The sources are left alone.
        EXPECT_EQ(fileBytes(tmp.path(c.source + "/" + c.files[0])), "shared\r\n");
    }
}

TEST(InstallUnitFolder, WithNothingSharedTheUnitFolderGetsTheSixDefaultFormatFilesOnly)
{
    TempProgramFolder tmp;
    const QString unit = QStringLiteral("config_SN12");
    ASSERT_TRUE(QDir().mkpath(tmp.path(unit)));
    InstallWellFormatFiles(tmp.folder(), unit);
    InstallLedXyFile(tmp.folder(), unit);
    InstallTempFactorFile(tmp.folder(), unit);

    const QStringList expected{"p35_col.dat", "p35_row.dat", "w24_col.dat", "w24_row.dat", "w6_col.dat", "w6_row.dat"};
    EXPECT_EQ(filesIn(tmp, unit), expected);
    for (const QString& name : expected)
        EXPECT_EQ(fileBytes(tmp.path(unit + "/" + name)), defaultFixture(name)) << name.toStdString();
}

TEST(InstallUnitFolder, FilesAreFoundWhateverTheCaseOfTheirNames)
{
    TempProgramFolder tmp;
    const QString unit = QStringLiteral("config_SN12");
    ASSERT_TRUE(writeBytes(tmp.path("CONFIG/LEDXY.DAT"), "shared\r\n"));
    ASSERT_TRUE(writeBytes(tmp.path("Config_sn12/TempFactor.dat"), "own\r\n"));
    ASSERT_TRUE(writeBytes(tmp.path("config/tempfactor.dat"), "shared\r\n"));

    InstallLedXyFile(tmp.folder(), unit);
    InstallTempFactorFile(tmp.folder(), unit);

    EXPECT_EQ(filesIn(tmp, "Config_sn12"), (QStringList{"TempFactor.dat", "ledxy.dat"}));
    EXPECT_EQ(fileBytes(tmp.path("Config_sn12/ledxy.dat")), "shared\r\n");
    EXPECT_EQ(fileBytes(tmp.path("Config_sn12/TempFactor.dat")), "own\r\n");
}

} // namespace
