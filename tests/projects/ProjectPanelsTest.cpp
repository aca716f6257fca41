#include "projects/panels/Frame_project.h"
#include "projects/panels/frame_group.h"
#include "projects/panels/frame_offline.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "support/PanelLook.h"

#include <gtest/gtest.h>
#include <stdexcept>

// The group column and the project list panel alone, at their designed places:
// the window's rule at a 12000 x 9000 twip window (C 1800, R 394).
namespace {

struct NoWindow final : ProjectPanelHost {
    ProjectContext projectContext() override { throw std::logic_error("no command runs here"); }
    void projectChosen(const ProjectSelection&) override {}
    void groupListChanged(const GroupComboList&) override {}
};


struct GroupColumn {
    NoWindow host;
    frame_group group;
    Frame_project* project = new Frame_project(host, &group);
    GroupColumn() { group.setProjectPanel(project); }

    QWidget* control(const char* name)
    {
        const auto found = group.findChildren<QWidget*>(QLatin1String(name));
        EXPECT_EQ(found.size(), 1) << name;
        return found.value(0);
    }
};

struct Placed {
    const char* name;
    const char* inside;
    QString caption;
    QRect place; // pixels; a height of 0: the control's own
};

// The rule's places worked out at C 1800, R 394, 15 twips a pixel, a half to even:
// Label_pj 0.05C, 0.45R, 0.5C = 90, 177.3, 900 twips = 6, 12, 60 pixels; and so on.
const Placed kGroupColumn[] = {
    {"Frame_project", "frame_group", "", {0, 5, 103, 276}},
    {"Label_pj", "Frame_project", "Project:", {6, 12, 60, 0}},
    {"cmd_renpj", "Frame_project", "Rename", {38, 12, 28, 0}},
    {"cmd_loadpj", "Frame_project", "New", {66, 12, 28, 0}},
    {"cmb_project", "Frame_project", "", {6, 32, 90, 0}},
    {"Label_groupsname", "Frame_project", "Group Names:", {6, 63, 90, 0}},
    {"combogrup", "Frame_project", "", {6, 81, 90, 131}},
    {"Cmd_clear", "Frame_project", "CLEAR LIST", {6, 213, 90, 26}},
    {"cmd_goset", "Frame_project", "AUTO-ARRANGE", {6, 239, 90, 26}},
    {"cmd_load_recording", "frame_group", "LOAD RECORDED EXPERIMENTS", {1, 290, 101, 39}},
};

void expectPlaced(QWidget* w, const Placed& c)
{
    ASSERT_NE(w, nullptr) << c.name;
    EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(c.inside)) << c.name;
    EXPECT_EQ(shownText(w), c.caption) << c.name;
    EXPECT_EQ(w->pos(), c.place.topLeft()) << c.name;
    EXPECT_EQ(w->width(), c.place.width()) << c.name;
    if (c.place.height() > 0) {
        EXPECT_EQ(w->height(), c.place.height()) << c.name;
    }
}


TEST(GroupColumnPanels, EveryControlAtTheRulesPlaceForTheDesignedWindow)
{
    GroupColumn g;
    EXPECT_EQ(g.group.objectName(), QStringLiteral("frame_group"));
    EXPECT_EQ(g.group.size(), QSize(108, 381)); // 0.9C x 14.5R
    EXPECT_EQ(g.group.sizeHint(), QSize(108, 381));
    for (const Placed& c : kGroupColumn) {
        QWidget* w = g.control(c.name);
        expectPlaced(w, c);
        EXPECT_FALSE(w->isHidden()) << c.name;
    }
    EXPECT_EQ(g.project->combogrup->toolTip(), QStringLiteral("Dblclick to Rename"));
    EXPECT_TRUE(g.project->mngroup->isHidden()); // a pop-up, never on screen at rest
}

TEST(GroupColumnPanels, OnlyTheDefinitionsOwnOverlapAndNoLayoutManager)
{
    GroupColumn g;
    // "Project:" is as wide as 0.5C and "Rename" begins at 0.32C.
    expectApart(*g.project, {QStringLiteral("Label_pj+cmd_renpj")});
    expectApart(g.group);
    // The panels and the controls themselves (not Qt's own insides of a list).
    for (const QWidget* w : g.group.findChildren<QWidget*>()) {
        if (!w->objectName().startsWith(QLatin1String("qt_"))) {
            EXPECT_EQ(w->layout(), nullptr) << w->objectName().toStdString();
        }
    }
    EXPECT_EQ(g.group.layout(), nullptr);
}

// The window's rule places these by name at any size: nothing inside the panels
// takes a place back, and the panels keep no fixed or minimum size.
TEST(GroupColumnPanels, PlacesTheRuleSetsStay)
{
    GroupColumn g;
    g.group.show();
    // The rule at the 640 x 480 minimum: C 96, R 21.
    g.group.setGeometry(5, 4, 86, 305);
    g.project->setGeometry(0, 4, 83, 221);
    g.project->Cmd_clear->setGeometry(5, 170, 72, 21);
    g.group.cmd_load_recording->setGeometry(1, 232, 81, 31);
    QApplication::processEvents();
    EXPECT_EQ(g.group.geometry(), QRect(5, 4, 86, 305));
    EXPECT_EQ(g.project->geometry(), QRect(0, 4, 83, 221));
    EXPECT_EQ(g.project->Cmd_clear->geometry(), QRect(5, 170, 72, 21));
    EXPECT_EQ(g.group.cmd_load_recording->geometry(), QRect(1, 232, 81, 31));
    // The wrapped caption follows its button.
    const auto* caption = g.group.cmd_load_recording->findChild<QLabel*>();
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QStringLiteral("LOAD RECORDED EXPERIMENTS"));
    EXPECT_EQ(caption->geometry(), QRect(2, 2, 77, 27));
}

TEST(GroupColumnPanels, LoadRecordedExperimentsIsReported)
{
    GroupColumn g;
    int clicked = 0;
    QObject::connect(&g.group, &frame_group::loadRecordingClicked, [&] { ++clicked; });
    g.group.cmd_load_recording->click();
    EXPECT_EQ(clicked, 1);
}

// The rule's places for a 1280 x 800 pixel window (19200 x 12000 twips: C 2880,
// R 525), set by name as the window sets them; rendered beside the designed ones.
TEST(GroupColumnPanels, RenderedAtTheDesignedWindowAndAtTwelveEightyByEightHundred)
{
    GroupColumn g;
    g.project->showGroupList({{QStringLiteral("000_Free"), QStringLiteral("001_Drug")}, 1});
    g.group.show();
    EXPECT_TRUE(g.group.grab().save(QDir::temp().filePath(QStringLiteral("veldo_frame_group.png"))));

    const struct {
        const char* name;
        QRect place;
    } wide[] = {
        {"Frame_project", {0, 7, 165, 368}},  {"Label_pj", {10, 16, 96, 17}},
        {"cmd_renpj", {61, 16, 44, 19}},      {"cmd_loadpj", {106, 16, 44, 19}},
        {"cmb_project", {10, 42, 144, 21}},   {"Label_groupsname", {10, 84, 144, 17}},
        {"combogrup", {10, 108, 144, 175}},   {"Cmd_clear", {10, 284, 144, 35}},
        {"cmd_goset", {10, 318, 144, 35}},    {"cmd_load_recording", {2, 387, 161, 52}},
    };
    g.group.resize(173, 508);
    for (const auto& w : wide)
        g.control(w.name)->setGeometry(w.place);
    QApplication::processEvents();
    for (const auto& w : wide) {
        QWidget* c = g.control(w.name);
        EXPECT_EQ(c->geometry(), w.place) << w.name;
        // Every caption has room at this size, but "Rename": 0.23C is a pixel
        // short of it in the fallback sans-serif face.
        const auto* b = qobject_cast<const QPushButton*>(c);
        if (b && !b->text().isEmpty() && b != g.project->cmd_renpj) {
            EXPECT_GT(b->width(), b->fontMetrics().horizontalAdvance(b->text())) << w.name;
        }
    }
    EXPECT_TRUE(g.group.grab().save(QDir::temp().filePath(QStringLiteral("veldo_frame_group_1280.png"))));
}

struct ListCase {
    const char* name;
    QString caption;
    bool shown;
};

TEST(ProjectListPanel, ControlsCaptionsAndVisibility)
{
    frame_offline panel;
    EXPECT_TRUE(panel.isHidden()); // the main window never shows it
    EXPECT_EQ(panel.frameShape(), QFrame::NoFrame);
    EXPECT_EQ(panel.size(), QSize(396, 328)); // 3.3C x 12.5R
    const ListCase cases[] = {
        {"cmd_closeoffline", "X", true}, {"txt_search", "", false},
        {"cmd_lupa", "Apply", false},   {"Listpj", "", true},
        {"lblback", "> Hide subfolders", true}, {"lbl_search", "Filter by:", false},
    };
    for (const ListCase& c : cases) {
        const auto found = panel.findChildren<QWidget*>(QLatin1String(c.name));
        ASSERT_EQ(found.size(), 1) << c.name;
        EXPECT_EQ(found.first()->parentWidget(), &panel) << c.name;
        EXPECT_EQ(shownText(found.first()), c.caption) << c.name;
        EXPECT_EQ(!found.first()->isHidden(), c.shown) << c.name;
    }
    // 0.05C, 1.5R, 3.2C, 11R = 90, 591, 5760, 4334 twips.
    EXPECT_EQ(panel.Listpj->geometry(), QRect(6, 39, 384, 289));
    EXPECT_EQ(panel.Listpj->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(panel.Listpj->font().styleHint(), QFont::TypeWriter);
}

TEST(ProjectListPanel, NothingOverlapsEvenHiddenAndXHidesIt)
{
    frame_offline panel;
    for (QWidget* w : panel.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        w->show();
    expectApart(panel);
    EXPECT_EQ(panel.layout(), nullptr);

    panel.show();
    EXPECT_TRUE(panel.grab().save(QDir::temp().filePath(QStringLiteral("veldo_frame_offline.png"))));
    panel.cmd_closeoffline->click();
    EXPECT_TRUE(panel.isHidden());
}

} // namespace
