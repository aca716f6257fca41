#include "acquisition/PlateFormatChoice.h"
#include "plate/geometry/PlateFormat.h"
#include "plate/files/WellSpecFile.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

// The main window's format state with "w6" current, unit 12, the w24 well table
// and a stored w24 blank.
struct FormatChoiceFixture : ::testing::Test {
    void SetUp() override
    {
        globals.applySerialNumber(12);
        ASSERT_TRUE(copyFixture(QStringLiteral("plate/w24_spc.dat"), tmp.path(QStringLiteral("config/w24_spc.dat"))));
        ASSERT_TRUE(copyFixture(QStringLiteral("plate/w6_spc.dat"), tmp.path(QStringLiteral("config/w6_spc.dat"))));
        ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("reports/_internal_blank_measurementSN12/blank_w24.dat")),
                               "20250314_101500_blank_myblank\r\nacqlapse=0060\r\n"));
        makeCurrent(QStringLiteral("w6"));
        globals.groups.wellGroup[1] = 3;
        globals.groups.groupName[3] = QStringLiteral("Mutants");
    }

    void makeCurrent(const QString& code)
    {
        state.plateFormat = code;
        state.plateRows = plateGrid(code).rows;
        state.plateColumns = plateGrid(code).columns;
        ReadWellSpecFile(tmp.folder(), code, geometry);
        fillFormatLists(controls, code);
    }

    FormatChoiceResult pick(const QString& code)
    {
        controls.cmb_well = code;
        controls.cmb_well_index = static_cast<int>(controls.cmb_well_items.indexOf(code));
        FormatChoiceContext context{globals, tmp.folder(), prompts, state, geometry, drawPlate, redrawWell};
        return choosePlateFormat(context, controls);
    }

    TempProgramFolder tmp;
    Globals globals;
    ScriptedPrompts prompts;
    AcquireState state;
    PlateGeometry geometry;
    FormatControls controls;
    QStringList drawn;
    QList<int> redrawn;
    std::function<void(const PlateFormat&)> drawPlate = [this](const PlateFormat& format) { drawn << format.code; };
    RedrawWell redrawWell = [this](int well) { redrawn << well; };
};

} // namespace

TEST_F(FormatChoiceFixture, PickingTheCurrentFormatAsksNothingAndChangesNothing)
{
    EXPECT_EQ(pick(QStringLiteral("w6")), FormatChoiceResult::Unchanged);
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_EQ(globals.groups.wellGroup[1], 3);
    EXPECT_TRUE(drawn.isEmpty());
}

TEST_F(FormatChoiceFixture, YesMakesTheFormatCurrentEverywhere)
{
    prompts.answers = {PromptAnswer::Yes};
    EXPECT_EQ(pick(QStringLiteral("w24")), FormatChoiceResult::Changed);
    EXPECT_EQ(prompts.questions, QStringList{QStringLiteral("Change Plate to w24?")});

    EXPECT_EQ(state.plateFormat, QStringLiteral("w24"));
    EXPECT_EQ(state.plateRows, 4);
    EXPECT_EQ(state.plateColumns, 6);
    EXPECT_EQ(drawn, QStringList{QStringLiteral("w24")});
    EXPECT_EQ(geometry.spcWellName[5][1][1], QStringLiteral("D6"));
    EXPECT_EQ(geometry.spcDataIndex[1][0][0], 2);
    EXPECT_EQ(controls.cmb_formatplate, QStringLiteral("w24"));

    EXPECT_EQ(globals.groups.wellGroup[1], -1);
    EXPECT_EQ(globals.groups.groupName[3], QStringLiteral("Free"));
    EXPECT_EQ(redrawn.size(), 24);
    EXPECT_EQ(controls.combogrup.entries, QStringList{QStringLiteral("000_Free")});
    EXPECT_EQ(controls.mnopciongrup.size(), 12);

    EXPECT_EQ(controls.label_blank, QStringLiteral("Using blank [w24]:"));
    EXPECT_EQ(state.blankInUse, QStringLiteral("20250314_101500_blank_myblank"));
    EXPECT_EQ(controls.lbl_blanktime, QStringLiteral("2025.03.14 10:15h"));
    EXPECT_EQ(controls.lbl_blankname, QStringLiteral(" blank myblank"));

    // Back to w6, which has no stored blank.
    prompts.answers = {PromptAnswer::Yes};
    EXPECT_EQ(pick(QStringLiteral("w6")), FormatChoiceResult::Changed);
    EXPECT_EQ(state.blankInUse, QString());
    EXPECT_EQ(controls.lbl_blanktime, QStringLiteral("none"));
    EXPECT_EQ(controls.lbl_blankname, QString());
    EXPECT_EQ(controls.mnopciongrup.size(), 4);
    EXPECT_EQ(geometry.spcWellName[0][1][0], QString());
}

TEST_F(FormatChoiceFixture, NoPutsTheBoxBackAndAddsACurrentFormatTheListLacks)
{
    makeCurrent(QStringLiteral("p35"));
    const QString labelBefore = controls.label_blank;

    prompts.answers = {PromptAnswer::No, PromptAnswer::No};
    EXPECT_EQ(pick(QStringLiteral("w24")), FormatChoiceResult::Declined);
    EXPECT_EQ(controls.cmb_well_items,
              (QStringList{QStringLiteral("w6"), QStringLiteral("w24"), QStringLiteral("p35")}));
    EXPECT_EQ(controls.cmb_well_index, 2);
    EXPECT_EQ(controls.cmb_well, QStringLiteral("p35"));
    // The selection it made re-enters the choice, which stops at once.
    EXPECT_EQ(pick(controls.cmb_well), FormatChoiceResult::Unchanged);

    EXPECT_EQ(pick(QStringLiteral("w6")), FormatChoiceResult::Declined);
    EXPECT_EQ(controls.cmb_well_items.size(), 3);
    EXPECT_EQ(controls.cmb_well_index, 2);
    EXPECT_EQ(prompts.questions,
              (QStringList{QStringLiteral("Change Plate to w24?"), QStringLiteral("Change Plate to w6?")}));

    EXPECT_EQ(state.plateFormat, QStringLiteral("p35"));
    EXPECT_EQ(state.plateRows, 2);
    EXPECT_EQ(globals.groups.wellGroup[1], 3);
    EXPECT_EQ(geometry.spcWellName[0][0][0], QString()); // no p35 table: nothing was re-read
    EXPECT_EQ(controls.label_blank, labelBefore);
    EXPECT_TRUE(drawn.isEmpty());
}

TEST_F(FormatChoiceFixture, UnknownCodeGivesAPlateWithoutWells)
{
    prompts.answers = {PromptAnswer::Yes};
    EXPECT_EQ(pick(QStringLiteral("W24")), FormatChoiceResult::Changed);
    EXPECT_EQ(state.plateRows, 0);
    EXPECT_EQ(state.plateColumns, 0);
    EXPECT_TRUE(redrawn.isEmpty());
    EXPECT_TRUE(controls.mnopciongrup.isEmpty());
    EXPECT_EQ(controls.combogrup.entries, QStringList{QStringLiteral("000_Free")});
    EXPECT_EQ(controls.label_blank, QStringLiteral("Using blank [W24]:"));
}

TEST(FormatLists, StartUpFillsBothListsAndShowsTheCurrentFormat)
{
    FormatControls c;
    fillFormatLists(c, QStringLiteral("w24"));
    EXPECT_EQ(c.cmb_well_items, (QStringList{QStringLiteral("w6"), QStringLiteral("w24")}));
    EXPECT_EQ(c.cmb_formatplate_items, c.cmb_well_items);
    EXPECT_EQ(c.cmb_well_index, 1);
    EXPECT_EQ(c.cmb_well, QStringLiteral("w24"));
    EXPECT_EQ(c.cmb_formatplate, QStringLiteral("w24"));
}
