// The temperature-cycle panel on its own: its controls, add and clr, and the
// list the cycle steps through on the fake clock.
#include "RecordingTemperatureLink.h"
#include "acquisition/panels/Frame_tcycle.h"
#include "acquisition/temperature/LightSchedule.h"
#include "acquisition/run/RunPhase.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "acquisition/temperature/TemperatureLink.h"
#include "support/FakeClock.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct Bench {
    RecordingLink link;
    FakeClock clock;
    RunPhase phase;
    TemperatureControl control{link, clock, phase};
    Frame_tcycle panel{control};
};

// Replaces a box's text key by key, as the user types it.
void typeInto(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(box, &erase);
    for (const QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &key);
    }
}

QStringList listed(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

TEST(FrameTcyclePanel, ControlsByNameWithCaptionsDefaultsAndDesignedPlaces)
{
    Bench b;
    EXPECT_EQ(b.panel.objectName(), "Frame_tcycle");
    EXPECT_EQ(b.panel.title(), "Temperature Cycle");
    EXPECT_FALSE(b.panel.isVisibleTo(nullptr)) << "hidden at rest";
    EXPECT_EQ(b.panel.size(), QSize(101, 102)); // 1512 x 1537 twips
    struct Row { const char* name; const char* text; int top; };
    const Row rows[] = {
        {"lbl_tcyclce", "T=", 24},     {"txt_tcycle", "20", 24},    {"txt_tcycle_min", "60", 24},
        {"lbl_tcycle_min", "m", 24},   {"cmd_add_tcycle", "add", 48}, {"cmd_clr_tcycle", "clr", 48},
    };
    int right = -1;
    int rowTop = -1;
    for (const Row& r : rows) {
        auto* w = b.panel.findChild<QWidget*>(QLatin1String(r.name));
        ASSERT_NE(w, nullptr) << r.name;
        QString text;
        if (auto* button = qobject_cast<QPushButton*>(w))
            text = button->text();
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            text = edit->text();
        else if (auto* label = qobject_cast<QLabel*>(w))
            text = label->text();
        EXPECT_EQ(text, QLatin1String(r.text)) << r.name;
        EXPECT_EQ(w->y(), r.top) << r.name;
        if (r.top != rowTop)
            right = -1; // a new row
        rowTop = r.top;
        EXPECT_GE(w->x(), right) << r.name << " stands right of the one before";
        right = w->geometry().right() + 1;
        EXPECT_LE(right, b.panel.width()) << r.name;
    }
    // The list keeps its designed place and size (480, 1080, 1815 x 840).
    ASSERT_NE(b.panel.findChild<QListWidget*>("List_temp_cycle"), nullptr);
    EXPECT_EQ(b.panel.List_temp_cycle->geometry(), QRect(32, 72, 121, 56));
    EXPECT_EQ(b.panel.List_temp_cycle->count(), 0);
}

TEST(FrameTcyclePanel, AddAppendsTheTypedTextsAsTheyAreAndClrEmptiesTheList)
{
    Bench b;
    b.panel.cmd_add_tcycle->click();
    typeInto(b.panel.txt_tcycle, "25");
    typeInto(b.panel.txt_tcycle_min, "30");
    b.panel.cmd_add_tcycle->click();
    typeInto(b.panel.txt_tcycle, "5");
    b.panel.cmd_add_tcycle->click();
    typeInto(b.panel.txt_tcycle, "abc");
    typeInto(b.panel.txt_tcycle_min, "");
    b.panel.cmd_add_tcycle->click(); // no check of what was typed

    const QStringList expected{"T20;60", "T25;30", "T5;30", "Tabc;"};
    EXPECT_EQ(listed(b.panel.List_temp_cycle), expected);
    EXPECT_EQ(b.control.view.cycleItems, expected) << "the cycle steps what the list shows";
    EXPECT_EQ(b.panel.txt_tcycle->text(), "abc") << "the boxes keep what was typed";

    b.panel.cmd_clr_tcycle->click();
    EXPECT_EQ(b.panel.List_temp_cycle->count(), 0);
    EXPECT_TRUE(b.control.view.cycleItems.isEmpty());
    EXPECT_TRUE(b.link.sent.empty());

    // What is typed reaches the view at once: the next step's copy keeps it.
    typeInto(b.panel.txt_tcycle, "28");
    b.panel.showView(b.control.view);
    EXPECT_EQ(b.panel.txt_tcycle->text(), "28");

    // As designed, and as the layout rule sizes it at a window of 1280 x 800 pixels.
    typeInto(b.panel.txt_tcycle, "25");
    typeInto(b.panel.txt_tcycle_min, "30");
    b.panel.cmd_add_tcycle->click();
    typeInto(b.panel.txt_tcycle, "30");
    typeInto(b.panel.txt_tcycle_min, "15");
    b.panel.cmd_add_tcycle->click();
    EXPECT_TRUE(b.panel.grab().save(QDir::temp().filePath(QStringLiteral("Frame_tcycle.png"))));
    b.panel.resize(161, 136);
    EXPECT_TRUE(b.panel.grab().save(QDir::temp().filePath(QStringLiteral("Frame_tcycle_large.png"))));
}

TEST(FrameTcyclePanel, TheCycleStepsTheListedItemsOnTheFakeClock)
{
    Bench b;
    typeInto(b.panel.txt_tcycle, "25");
    typeInto(b.panel.txt_tcycle_min, "30");
    b.panel.cmd_add_tcycle->click();
    typeInto(b.panel.txt_tcycle, "30");
    typeInto(b.panel.txt_tcycle_min, "15");
    b.panel.cmd_add_tcycle->click();

    b.control.toggleCycleMenu();
    b.control.tempBoxChanged(true, [](const QString& q) { return q == "Start temperature cycle?"; }, {});
    b.panel.showView(b.control.view);
    EXPECT_EQ(b.panel.List_temp_cycle->currentRow(), 0);
    EXPECT_EQ(b.panel.txt_tcycle->text(), "25");
    EXPECT_EQ(b.panel.txt_tcycle_min->text(), "30");
    EXPECT_TRUE(b.panel.cmd_add_tcycle->isHidden()) << "no editing while a cycle runs";
    EXPECT_TRUE(b.panel.cmd_clr_tcycle->isHidden());

    PulseState pulse;
    const LightBoxes light;
    b.clock.advance(10 * 60000);
    ASSERT_TRUE(b.control.Timer3Tick(pulse, light));
    b.panel.showView(b.control.view);
    EXPECT_EQ(b.panel.txt_tcycle_min->text(), "20.0") << "minutes left of the first item";

    b.clock.advance(20 * 60000 + 1000); // past 30 minutes of the first item
    ASSERT_TRUE(b.control.Timer3Tick(pulse, light));
    b.panel.showView(b.control.view);
    EXPECT_EQ(b.panel.List_temp_cycle->currentRow(), 1);
    EXPECT_EQ(b.panel.txt_tcycle->text(), "30");
    EXPECT_EQ(b.panel.txt_tcycle_min->text(), "15");
    EXPECT_EQ(b.control.view.setPointText, "30");

    b.clock.advance(15 * 60000 + 1000);
    EXPECT_FALSE(b.control.Timer3Tick(pulse, light)) << "the last item ended the cycle";
    b.panel.showView(b.control.view);
    EXPECT_FALSE(b.panel.cmd_add_tcycle->isHidden());
    EXPECT_FALSE(b.panel.cmd_clr_tcycle->isHidden());
    EXPECT_EQ(listed(b.panel.List_temp_cycle), (QStringList{"T25;30", "T30;15"})) << "the list stays";
}

} // namespace
