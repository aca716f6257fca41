#include "projects/LastProject.h"
#include "projects/ProjectCommands.h"
#include "projects/ProjectFolders.h"
#include "projects/ProjectSetup.h"
#include "projects/WellGroupFile.h"

#include "support/FakeClock.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// A program folder, prompts, clock and the window's state that project
// commands work on; 15 January 2024.
struct ProjectFixture {
    TempProgramFolder tmp;
    ScriptedPrompts prompts;
    FakeClock clock{QDateTime(QDate(2024, 1, 15), QTime(10, 0, 0))};
    WellGroupTable groups;
    QString txtlapse = QStringLiteral("45");
    QString cmb_well = QStringLiteral("w24");
    QString txttemp = QStringLiteral("31");
    QString projectName;
    QString plateFormat = QStringLiteral("w24");
    int plateRows = 4;
    int plateColumns = 6;
    PlateGeometry geometry;
    QList<int> redrawn;
    ProjectCombo combo;

    ProjectFixture() { QDir().mkpath(tmp.path(QStringLiteral("reports/default_project"))); }
    ProjectContext context(bool blankRun = false)
    {
        return ProjectContext{tmp.folder(), prompts, clock, 0, groups, ProjectSetupBoxes{txtlapse, cmb_well, txttemp},
                              projectName, blankRun, plateFormat, plateRows, plateColumns, geometry, {},
                              [this](int w) { redrawn << w; }};
    }
    QString reports(const QString& rel) const { return tmp.path(QStringLiteral("reports/") + rel); }
};

} // namespace

TEST(MakeFolderSafeName, KeepsAsciiLettersAndDigitsLowerCasedAndReplacesEveryOtherCharacter)
{
    const struct {
        QString typed;
        QString safe;
    } cases[] = {
        {QStringLiteral("My Mice #2"), QStringLiteral("my_mice__2")},
        {QStringLiteral("MY MICE #2"), QStringLiteral("my_mice__2")},
        {QStringLiteral("my mice 2"), QStringLiteral("my_mice_2")},
        {QStringLiteral("Old Mice"), QStringLiteral("old_mice")},
        {QStringLiteral("../x\\y"), QStringLiteral("___x_y")},
        {QString::fromUtf8("Mäuse Ω"), QStringLiteral("m_use__")},
        {QString::fromUtf8("a\U0001F42Dz"), QStringLiteral("a_z")}, // one character outside 16 bits
        {QString(), QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MakeFolderSafeName(c.typed), c.safe) << c.typed.toStdString();
        EXPECT_EQ(characterCount(MakeFolderSafeName(c.typed)), characterCount(c.typed));
    }
}

TEST(ProjectFolders, ProjectsAreEntriesWithoutDotLongerThanTwoInCaseBlindOrder)
{
    TempProgramFolder tmp;
    for (const char* name : {"default_project", "ab", "x.y", "Beta", "alpha", "p20240115_mice"})
        QDir().mkpath(tmp.path(QStringLiteral("reports/") + QLatin1String(name)));
    writeBytes(tmp.path(QStringLiteral("reports/pj_sn0.dat")), "default_project\r\n");
    writeBytes(tmp.path(QStringLiteral("reports/notes")), "a file without extension counts\r\n");

    EXPECT_EQ(listProjects(tmp.folder()),
              (QStringList{QStringLiteral("alpha"), QStringLiteral("Beta"), QStringLiteral("default_project"),
                           QStringLiteral("notes"), QStringLiteral("p20240115_mice")}));
    EXPECT_EQ(CountProjectFolders(tmp.folder()), 5);

    EXPECT_TRUE(isExistingReportsFolder(tmp.folder(), QStringLiteral("alpha")));
    EXPECT_TRUE(isExistingReportsFolder(tmp.folder(), QStringLiteral("BETA")));
    for (const char* bad : {"", ".", "..", "../reports", "alpha/..", "..\\config", "notes", "missing"})
        EXPECT_FALSE(isExistingReportsFolder(tmp.folder(), QLatin1String(bad))) << bad;
}

TEST(ProjectSetup, MissingFileIsCreatedWithW96fDefaultsAndTheBoxesKeepTheirTexts)
{
    ProjectFixture f;
    ReadProjectSetup(f.tmp.folder(), f.prompts, QStringLiteral("default_project"),
                     ProjectSetupBoxes{f.txtlapse, f.cmb_well, f.txttemp}, false);
    EXPECT_EQ(fileBytes(f.reports(QStringLiteral("default_project/pjsetup.dat"))),
              QByteArray("acq_time=30\r\nplate_format=w96f\r\ntemperature=20\r\n"));
    EXPECT_EQ(f.txtlapse, QStringLiteral("45"));
    EXPECT_EQ(f.cmb_well, QStringLiteral("w24"));
    EXPECT_EQ(f.txttemp, QStringLiteral("31"));
    EXPECT_TRUE(f.prompts.messages.isEmpty());
}

TEST(ProjectSetup, ReadsEachLineByItsKeyAndWritesTheBoxesAsTheyStand)
{
    ProjectFixture f;
    const QString path = f.reports(QStringLiteral("default_project/pjsetup.dat"));
    const ProjectSetupBoxes boxes{f.txtlapse, f.cmb_well, f.txttemp};

    writeBytes(path, "acq_time=120\r\nplate_format=w6\r\ntemperature=25.5\r\n");
    ReadProjectSetup(f.tmp.folder(), f.prompts, QStringLiteral("default_project"), boxes, false);
    EXPECT_EQ(f.txtlapse, QStringLiteral("120"));
    EXPECT_EQ(f.cmb_well, QStringLiteral("w6"));
    EXPECT_EQ(f.txttemp, QStringLiteral("25.5"));

    // A first line without its key leaves txtlapse; the second is still the format line.
    writeBytes(path, "plate_format=w12\nplate_format=w48\ntemperature=18\n");
    ReadProjectSetup(f.tmp.folder(), f.prompts, QStringLiteral("default_project"), boxes, false);
    EXPECT_EQ(f.txtlapse, QStringLiteral("120"));
    EXPECT_EQ(f.cmb_well, QStringLiteral("w48"));
    EXPECT_EQ(f.txttemp, QStringLiteral("18"));
    EXPECT_TRUE(f.prompts.messages.isEmpty());

    // Two lines: both applied, then the message.
    writeBytes(path, "acq_time=7\r\nplate_format=p35\r\n");
    ReadProjectSetup(f.tmp.folder(), f.prompts, QStringLiteral("default_project"), boxes, false);
    EXPECT_EQ(f.txtlapse, QStringLiteral("7"));
    EXPECT_EQ(f.cmb_well, QStringLiteral("p35"));
    EXPECT_EQ(f.prompts.messages, QStringList{QStringLiteral("error reading project setup file")});

    // While a blank run is set nothing is read.
    writeBytes(path, "acq_time=99\r\nplate_format=w6\r\ntemperature=1\r\n");
    ReadProjectSetup(f.tmp.folder(), f.prompts, QStringLiteral("default_project"), boxes, true);
    EXPECT_EQ(f.txtlapse, QStringLiteral("7"));

    f.txttemp = QStringLiteral(" 22,5 ");
    ASSERT_TRUE(WriteProjectSetup(f.tmp.folder(), f.prompts, QStringLiteral("default_project"), boxes));
    EXPECT_EQ(fileBytes(path), QByteArray("acq_time=7\r\nplate_format=p35\r\ntemperature= 22,5 \r\n"));

    EXPECT_FALSE(WriteProjectSetup(f.tmp.folder(), f.prompts, QStringLiteral("gone"), boxes));
    EXPECT_EQ(f.prompts.messages.last(), QStringLiteral("Error creating project folder/setup"));
    EXPECT_FALSE(QFileInfo::exists(f.reports(QStringLiteral("gone"))));
}

TEST(LastProject, FilePerInstrumentCreatedWithTheDefaultAndOnlyPlainExistingFoldersAreUsed)
{
    ProjectFixture f;
    const ProgramFolder& folder = f.tmp.folder();
    EXPECT_EQ(ReadLastProject(folder, 0), QStringLiteral("default_project"));
    EXPECT_EQ(fileBytes(f.reports(QStringLiteral("pj_sn0.dat"))), QByteArray("default_project\r\n"));

    WriteLastProject(folder, 12, QStringLiteral("p20240115_ab"));
    EXPECT_EQ(fileBytes(f.reports(QStringLiteral("pj_sn12.dat"))), QByteArray("p20240115_ab\r\n"));
    EXPECT_EQ(ReadLastProject(folder, 12), QStringLiteral("p20240115_ab"));
    EXPECT_EQ(ReadLastProject(folder, 0), QStringLiteral("default_project"));

    writeBytes(f.reports(QStringLiteral("pj_sn3.dat")), "");
    EXPECT_EQ(ReadLastProject(folder, 3), QString());

    QDir().mkpath(f.reports(QStringLiteral("p20240115_ab")));
    EXPECT_EQ(lastProjectOrDefault(folder, f.prompts, QStringLiteral("p20240115_ab")), QStringLiteral("p20240115_ab"));
    EXPECT_TRUE(f.prompts.messages.isEmpty());
    for (const char* bad : {"", "..", "../config", "missing", "p20240115_ab/.."}) {
        EXPECT_EQ(lastProjectOrDefault(folder, f.prompts, QLatin1String(bad)), QStringLiteral("default_project"));
        EXPECT_EQ(f.prompts.messages.takeLast(), QStringLiteral("Last project folder Not found!. setting default..."));
    }
}

TEST(FillProjectCombo, SelectsTheProjectIgnoringCaseElseTheDefaultWithAMessage)
{
    ProjectFixture f;
    QDir().mkpath(f.reports(QStringLiteral("p20240115_Mice")));
    std::optional<QString> chosen = FillProjectCombo(f.tmp.folder(), f.prompts, QStringLiteral("P20240115_mice"), f.combo);
    EXPECT_EQ(f.combo.entries, (QStringList{QStringLiteral("default_project"), QStringLiteral("p20240115_Mice")}));
    EXPECT_EQ(chosen, QStringLiteral("p20240115_Mice"));
    EXPECT_EQ(f.combo.currentIndex, 1);
    EXPECT_TRUE(f.prompts.messages.isEmpty());

    chosen = FillProjectCombo(f.tmp.folder(), f.prompts, QStringLiteral("gone"), f.combo);
    EXPECT_EQ(chosen, QStringLiteral("default_project"));
    EXPECT_EQ(f.combo.toolTip, QStringLiteral("default_project"));
    EXPECT_EQ(f.prompts.messages, QStringList{QStringLiteral("last project folder not found!")});
}

TEST(NewProject, NamesOfOneTwoHundredAndHundredOneCharacters)
{
    ProjectFixture f;
    f.groups.wellGroup[0] = 2;
    f.groups.groupName[2] = QStringLiteral("Mutants");
    ProjectContext ctx = f.context();

    f.prompts.inputs = {QStringLiteral("a"), QString(101, QLatin1Char('x'))};
    EXPECT_FALSE(createProject(ctx, f.combo));
    EXPECT_FALSE(createProject(ctx, f.combo));
    EXPECT_EQ(f.prompts.messages,
              (QStringList{QStringLiteral("Invalid name. Write a longer name for your project. minimum len=2char"),
                           QStringLiteral("Invalid name. Write a shorter name for your project. maximum len=100char")}));
    EXPECT_EQ(listProjects(f.tmp.folder()), QStringList{QStringLiteral("default_project")});
    EXPECT_EQ(f.prompts.inputPrompts.first(), QStringLiteral("Enter a name for your project"));

    f.prompts.messages.clear();
    f.prompts.inputs = {QString(), QStringLiteral("ab"), QString(100, QLatin1Char('Y'))};
    EXPECT_FALSE(createProject(ctx, f.combo)); // empty answer: nothing
    EXPECT_EQ(createProject(ctx, f.combo), QStringLiteral("p20240115_ab"));
    EXPECT_EQ(f.projectName, QStringLiteral("p20240115_ab"));
    EXPECT_EQ(fileBytes(f.reports(QStringLiteral("p20240115_ab/pjsetup.dat"))),
              QByteArray("acq_time=45\r\nplate_format=w24\r\ntemperature=31\r\n"));
    const QByteArray groups = fileBytes(f.reports(QStringLiteral("p20240115_ab/chgroup.dat")));
    EXPECT_TRUE(groups.startsWith("#Well, Group, name\r\n0,2,\"Mutants\"\r\n1,-1,\"Free\"\r\n"));

    const QString longName = QStringLiteral("p20240115_") + QString(100, QLatin1Char('y'));
    EXPECT_EQ(createProject(ctx, f.combo), longName);
    EXPECT_EQ(f.combo.currentText(), longName);
    EXPECT_TRUE(f.prompts.messages.isEmpty());
    EXPECT_EQ(f.clock.elapsedMs(), 20); // 10 ms after each project made
}

TEST(NewProject, SameCleanedNameOnTheSameDayReusesTheFolderAndRewritesItsFiles)
{
    ProjectFixture f;
    ProjectContext ctx = f.context();
    f.prompts.inputs = {QStringLiteral("My Mice #2"), QStringLiteral("MY MICE #2"), QStringLiteral("my mice 2")};
    EXPECT_EQ(createProject(ctx, f.combo), QStringLiteral("p20240115_my_mice__2"));
    writeBytes(f.reports(QStringLiteral("p20240115_my_mice__2/run.txt")), "kept");
    f.txtlapse = QStringLiteral("60");
    f.groups.wellGroup[5] = 0;
    EXPECT_EQ(createProject(ctx, f.combo), QStringLiteral("p20240115_my_mice__2"));
    EXPECT_EQ(fileBytes(f.reports(QStringLiteral("p20240115_my_mice__2/run.txt"))), QByteArray("kept"));
    EXPECT_TRUE(fileBytes(f.reports(QStringLiteral("p20240115_my_mice__2/pjsetup.dat"))).startsWith("acq_time=60\r\n"));
    EXPECT_TRUE(fileBytes(f.reports(QStringLiteral("p20240115_my_mice__2/chgroup.dat"))).contains("\r\n5,0,\"Free\"\r\n"));
    EXPECT_EQ(createProject(ctx, f.combo), QStringLiteral("p20240115_my_mice_2"));
    EXPECT_EQ(CountProjectFolders(f.tmp.folder()), 3);
}

TEST(RenameProject, UserProjectKeepsItsPrefixAndOtherProjectsAreLeftAlone)
{
    ProjectFixture f;
    QDir().mkpath(f.reports(QStringLiteral("p20240115_my_mice/20240116_101010run")));
    QDir().mkpath(f.reports(QStringLiteral("_internal_referenceSN12")));
    ProjectContext ctx = f.context();

    for (const char* other : {"default_project", "_internal_referenceSN12"}) {
        FillProjectCombo(f.tmp.folder(), f.prompts, QLatin1String(other), f.combo);
        f.prompts.inputs = {QStringLiteral("never asked")};
        EXPECT_FALSE(renameProject(ctx, f.combo));
        EXPECT_TRUE(f.prompts.inputPrompts.isEmpty());
    }
    f.prompts.inputs.clear();

    FillProjectCombo(f.tmp.folder(), f.prompts, QStringLiteral("p20240115_my_mice"), f.combo);
    f.prompts.inputs = {QStringLiteral("Old Mice")};
    EXPECT_EQ(renameProject(ctx, f.combo), QStringLiteral("p20240115_old_mice"));
    EXPECT_EQ(f.prompts.inputPrompts, QStringList{QStringLiteral("Project Name:")});
    EXPECT_TRUE(QFileInfo(f.reports(QStringLiteral("p20240115_old_mice/20240116_101010run"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(f.reports(QStringLiteral("p20240115_my_mice"))));
    EXPECT_EQ(f.combo.currentText(), QStringLiteral("p20240115_old_mice"));
    EXPECT_TRUE(f.prompts.messages.isEmpty());

    // Cancel: nothing.
    f.prompts.inputs = {QString()};
    EXPECT_FALSE(renameProject(ctx, f.combo));
    EXPECT_EQ(f.prompts.inputPrompts.size(), 2);
    EXPECT_TRUE(QFileInfo::exists(f.reports(QStringLiteral("p20240115_old_mice"))));
}

TEST(RenameProject, ANameInUseLeavesTheProjectAsItWasAndSaysSo)
{
    ProjectFixture f;
    QDir().mkpath(f.reports(QStringLiteral("p20240115_a1")));
    QDir().mkpath(f.reports(QStringLiteral("p20240115_B2")));
    ProjectContext ctx = f.context();
    FillProjectCombo(f.tmp.folder(), f.prompts, QStringLiteral("p20240115_a1"), f.combo);
    f.prompts.inputs = {QStringLiteral("b2")}; // the other folder, in another case
    EXPECT_FALSE(renameProject(ctx, f.combo));
    ASSERT_EQ(f.prompts.messages.size(), 1);
    EXPECT_TRUE(f.prompts.messages.first().startsWith(QStringLiteral("The project could not be renamed")));
    EXPECT_TRUE(QFileInfo(f.reports(QStringLiteral("p20240115_a1"))).isDir());
    EXPECT_TRUE(QFileInfo(f.reports(QStringLiteral("p20240115_B2"))).isDir());
    EXPECT_EQ(f.combo.currentText(), QStringLiteral("p20240115_a1"));
}

TEST(SelectProject, AppliesSetupFormatGroupsAndRedrawsEveryWell)
{
    ProjectFixture f;
    writeBytes(f.reports(QStringLiteral("p20240115_ab/pjsetup.dat")), "acq_time=90\r\nplate_format=w6\r\ntemperature=37\r\n");
    writeBytes(f.reports(QStringLiteral("p20240115_ab/chgroup.dat")), "#Well, Group, name\r\n0,1,\"Alpha\"\r\n");
    FillProjectCombo(f.tmp.folder(), f.prompts, QStringLiteral("p20240115_ab"), f.combo);
    QList<QString> drawn;
    ProjectContext ctx = f.context();
    ctx.drawPlateLayout = [&](const PlateFormat& format) { drawn << format.code; };

    const ProjectSelection sel = selectProject(ctx, f.combo);
    EXPECT_EQ(f.projectName, QStringLiteral("p20240115_ab"));
    EXPECT_EQ(f.combo.toolTip, QStringLiteral("p20240115_ab"));
    EXPECT_EQ(f.txtlapse, QStringLiteral("90"));
    EXPECT_EQ(f.txttemp, QStringLiteral("37"));
    EXPECT_EQ(f.plateFormat, QStringLiteral("w6"));
    EXPECT_EQ(f.plateRows, 2);
    EXPECT_EQ(f.plateColumns, 3);
    EXPECT_EQ(drawn, QList<QString>{QStringLiteral("w6")});
    EXPECT_EQ(sel.cmb_formatplate, QStringLiteral("w6"));
    ASSERT_TRUE(sel.mnopciongrup);
    EXPECT_EQ(sel.mnopciongrup->size(), 4);
    EXPECT_EQ(sel.combogrup.entries, (QStringList{QStringLiteral("000_Free"), QStringLiteral("001_Alpha"),
                                                  QStringLiteral("002_Free")}));
    EXPECT_EQ(f.redrawn, (QList<int>{0, 2, 4, 1, 3, 5}));

    // During a blank run the boxes keep their texts, the groups are still loaded.
    f.txtlapse = QStringLiteral("5");
    ProjectContext blank = f.context(true);
    selectProject(blank, f.combo);
    EXPECT_EQ(f.txtlapse, QStringLiteral("5"));
    EXPECT_EQ(f.groups.groupName[1], QStringLiteral("Alpha"));
}
