// The command column on its own: a format choice through a host of the test's.
#include "acquisition/panels/Frame_menu.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

struct MenuHost final : FormatChoiceHost {
    FormatChoiceContext formatChoiceContext() override
    {
        return FormatChoiceContext{globals, folder.folder(), prompts, state, geometry,
                                   [this](const PlateFormat& format) { drawn << format.code; }, [](int) {}};
    }
    void showFormatControls() override { ++shown; }

    Globals globals;
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    AcquireState state;
    PlateGeometry geometry;
    QStringList drawn;
    int shown = 0;
};

TEST(FrameMenuPanel, AChosenFormatGoesThroughTheHost)
{
    MenuHost host;
    FormatControls controls;
    host.state.plateFormat = QStringLiteral("w6");
    fillFormatLists(controls, host.state.plateFormat);
    Frame_menu panel(controls, host);
    panel.showFormatControls();
    ASSERT_EQ(panel.cmb_well->count(), 2);
    EXPECT_EQ(panel.cmb_well->currentText(), "w6");

    host.prompts.answers = {PromptAnswer::Yes};
    panel.cmb_well->setCurrentIndex(1);
    emit panel.cmb_well->activated(1);
    EXPECT_EQ(host.prompts.questions, QStringList{"Change Plate to w24?"});
    EXPECT_EQ(host.state.plateFormat, "w24");
    EXPECT_EQ(host.drawn, QStringList{"w24"});
    EXPECT_EQ(host.shown, 1);
    EXPECT_EQ(controls.cmb_formatplate, "w24");
    panel.showFormatControls();
    EXPECT_EQ(panel.label_blank->text(), "Using blank [w24]:");
}

} // namespace
