#include "support/PanelLook.h"

#include <QPushButton>
#include "calibration/panels/frameblank.h"

#include <QDir>
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <vector>

// The blank dialog alone: its controls, the two faces of its shared area, its signals.
namespace {

TEST(BlankPanel, ControlsAtRest)
{
    frameblank panel;
    EXPECT_EQ(panel.objectName(), "frameblank");
    EXPECT_EQ(panel.title(), "Blank Measurement");
    EXPECT_TRUE(panel.isHidden()); // "Read Blank" shows it
    EXPECT_EQ(panel.layout(), nullptr); // the window's rule places its controls
    expectControls(panel, {
                              {"lblblankname", "Name:", true},
                              {"txt_blankname", "myblank", true},
                              {"lbl_timeblank", "Acq lapse[m]:", true},
                              {"txt_blanklapse", "60", true},
                              {"lst_blank", "", false},
                              {"lbl_blankdescription", "", false},
                              {"cmd_okblank", "Start", true},
                              {"cmd_cancelblank", "Cancel", true},
                          });
    EXPECT_EQ(panel.lst_blank->count(), 0);
}

// The rule's table at C 1800, R 394 (a 12000 x 9000 twip window), in pixels of 15 twips.
TEST(BlankPanel, DesignedWhereTheRulePutsThemInTheDesignedWindow)
{
    frameblank panel;
    EXPECT_EQ(panel.size(), QSize(324, 190)); // 4860 x 2856.5 twips
    const struct {
        const char* name;
        QRect place;
    } cases[] = {
        {"lblblankname", {60, 26, 60, 26}},          // 900, 394, 900, 394
        {"txt_blankname", {120, 26, 180, 26}},       // 1800, 394, 2700, 394
        {"lbl_timeblank", {60, 58, 60, 26}},         // top 866.8
        {"txt_blanklapse", {120, 58, 60, 26}},
        {"lst_blank", {60, 13, 210, 105}},           // 900, 197, 3150, 1576
        {"lbl_blankdescription", {60, 118, 210, 26}}, // top 1773
        {"cmd_okblank", {60, 151, 120, 26}},          // top 2265.5
        {"cmd_cancelblank", {180, 151, 120, 26}},     // left 2700
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* w = panel.findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.place);
    }
}

TEST(BlankPanel, ListAndFieldsTakeTurnsInTheirArea)
{
    frameblank panel;
    const struct {
        void (frameblank::*show)();
        bool fields;
        const char* png;
    } cases[] = {
        {&frameblank::showList, false, "frameblank_list.png"},
        {&frameblank::showFields, true, "frameblank_fields.png"},
        {&frameblank::showList, false, nullptr}, // and back again
    };
    panel.lst_blank->addItems({QStringLiteral("none"), QStringLiteral("Factory_Default")});
    panel.show();
    for (const auto& c : cases) {
        (panel.*c.show)();
        for (QWidget* field : std::vector<QWidget*>{panel.lblblankname, panel.txt_blankname, panel.lbl_timeblank,
                                                    panel.txt_blanklapse})
            EXPECT_EQ(field->isVisible(), c.fields) << field->objectName().toStdString();
        EXPECT_EQ(panel.lst_blank->isVisible(), !c.fields);
        EXPECT_EQ(panel.lbl_blankdescription->isVisible(), !c.fields);
        EXPECT_EQ(panel.cmd_okblank->isVisible(), c.fields); // the list has no "Start"
        EXPECT_TRUE(panel.cmd_cancelblank->isVisible());
        expectApart(panel);
        if (c.png) {
            EXPECT_TRUE(panel.grab().save(QDir::temp().filePath(QLatin1String(c.png))));
        }
    }
}

TEST(BlankPanel, ButtonsAndListDoubleClickAreReported)
{
    frameblank panel;
    int starts = 0;
    int cancels = 0;
    std::vector<std::pair<int, QString>> chosen;
    QObject::connect(&panel, &frameblank::startClicked, [&] { ++starts; });
    QObject::connect(&panel, &frameblank::cancelClicked, [&] { ++cancels; });
    QObject::connect(&panel, &frameblank::storedBlankDoubleClicked,
                     [&](int row, const QString& text) { chosen.emplace_back(row, text); });
    panel.lst_blank->addItems({QStringLiteral("none"), QStringLiteral("Factory_Default"), QStringLiteral("run7")});

    panel.cmd_okblank->click();
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(cancels, 0);
    panel.cmd_cancelblank->click();
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(cancels, 1);
    emit panel.lst_blank->itemDoubleClicked(panel.lst_blank->item(2));
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].first, 2);
    EXPECT_EQ(chosen[0].second, "run7");
    EXPECT_EQ(panel.lst_blank->currentRow(), 2) << "the double-clicked entry is the selected one";
}

// A press and release of one button on the list's viewport.
void clickList(QListWidget* list, Qt::MouseButton button, const QPoint& at)
{
    const QPointF local(at);
    const QPointF global(list->viewport()->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &release);
}

TEST(BlankPanel, ARightClickReportsItsReleaseAndLeavesTheSelection)
{
    frameblank panel;
    panel.lst_blank->addItems({QStringLiteral("none"), QStringLiteral("Factory_Default"), QStringLiteral("run7")});
    panel.showList();
    panel.show();
    panel.lst_blank->setCurrentRow(2);
    std::vector<Qt::MouseButton> releases;
    std::vector<int> clicks;
    QObject::connect(&panel, &frameblank::listMouseUp,
                     [&](Qt::MouseButton button, const QPoint&) { releases.push_back(button); });
    QObject::connect(&panel, &frameblank::storedBlankClicked, [&](int row, const QString&) { clicks.push_back(row); });

    const QPoint onFirst = panel.lst_blank->visualItemRect(panel.lst_blank->item(0)).center();
    clickList(panel.lst_blank, Qt::RightButton, onFirst);
    EXPECT_EQ(releases, std::vector<Qt::MouseButton>{Qt::RightButton});
    EXPECT_EQ(panel.lst_blank->currentRow(), 2);
    EXPECT_TRUE(clicks.empty());

    clickList(panel.lst_blank, Qt::LeftButton, onFirst);
    EXPECT_EQ(panel.lst_blank->currentRow(), 0);
    EXPECT_EQ(clicks, std::vector<int>{0});
}

} // namespace
