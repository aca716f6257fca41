#include "reporting/panels/Frm_report.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "support/PanelLook.h"

#include <gtest/gtest.h>

// The report panel alone, as the window's definition gives it.
namespace {

// A label's or button's caption has room for all its characters; a check or
// option box's for its box and caption.
bool captionFits(const QWidget* w)
{
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w))
        return w->width() >= w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                                 w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w) +
                                 w->fontMetrics().horizontalAdvance(shownText(w));
    if (qobject_cast<const QLabel*>(w) || qobject_cast<const QPushButton*>(w))
        return w->width() >= w->fontMetrics().horizontalAdvance(shownText(w)) + 2;
    return true;
}

struct Panel {
    TempProgramFolder tmp;
    FakeClock clock{QDateTime(QDate(2025, 3, 14), QTime(10, 15, 30))};
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    Frm_report panel{ReportServices{tmp.folder(), clock, prompts, opener, nullptr, QLocale(QStringLiteral("en_US"))}};

    QWidget* control(const char* name)
    {
        const auto found = panel.findChildren<QWidget*>(QLatin1String(name));
        EXPECT_EQ(found.size(), 1) << name;
        return found.value(0);
    }
};

struct ControlCase {
    const char* name;
    const char* inside;
    QString caption;
    bool shown;
};

TEST(ReportPanelControls, EveryControlWithItsCaptionPanelAndVisibility)
{
    Panel p;
    const ControlCase cases[] = {
        {"Shape6", "Frm_report", "", true},
        {"Label40", "Frm_report", "Report:", true},
        {"Option_output0", "Frm_report", "Rows", true},
        {"Option_output1", "Frm_report", "Array", true},
        {"Option_output2", "Frm_report", "MapPlot", true},
        {"Option_output3", "Frm_report", ".bmp", false},
        {"chk_movingavrg", "Frm_report", "3point_movingavrg", false},
        {"txt_welltype", "Frm_report", "w96f", false},
        {"label_binsize", "Frm_report", "BinSize", true},
        {"Combo_reportbin", "Frm_report", "30", true},
        {"Label42", "Frm_report", "min.", true},
        {"Frame10", "Frm_report", "", true},
        {"Label41", "Frame10", "File", true},
        {"Combo_reportfile", "Frame10", "", true},
        {"Label36", "Frame10", "Spacer", true},
        {"Combo_reportdivider", "Frame10", ",", true},
        {"lblintref", "Frame10", "Internal Reference:", true},
        {"combo_intref", "Frame10", "", true},
        {"Line4", "Frame10", "", true},
        {"chk_noise", "Frame10", "NoiseFilter", true},
        {"chk_blank", "Frame10", "Apply_Blank", true},
        {"cmd_generatereport", "Frm_report", "Generate", true},
        {"Cmd_closereport", "Frm_report", "X", true},
    };
    EXPECT_TRUE(p.panel.isHidden()); // "Report" shows it
    for (const ControlCase& c : cases) {
        QWidget* w = p.control(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(c.inside)) << c.name;
        EXPECT_EQ(shownText(w), c.caption) << c.name;
        EXPECT_EQ(!w->isHidden(), c.shown) << c.name;
    }
    EXPECT_TRUE(p.panel.Option_output[0]->isChecked());
    EXPECT_TRUE(p.panel.chk_noise->isChecked());
    EXPECT_FALSE(p.panel.chk_blank->isChecked());
    EXPECT_EQ(p.panel.chk_noise->toolTip(), QStringLiteral("apply filter to outlier activity values (10x)"));
    EXPECT_EQ(p.panel.chk_blank->toolTip(), QStringLiteral("apply blank correction if available"));
    // The saved-data page reaches the title by its own name.
    EXPECT_EQ(p.panel.lbl_reportexport, p.panel.Label40);
}

TEST(ReportPanelControls, DesignedSizeAndTheGivenPlacesInPixels)
{
    Panel p;
    // 5775 x 4215 twips at 15 a pixel; the panel keeps it whatever the rule does.
    EXPECT_EQ(p.panel.size(), QSize(385, 281));
    EXPECT_EQ(p.panel.minimumSize(), p.panel.maximumSize());

    const struct {
        const char* name;
        QPoint topLeft;
    } corners[] = {
        {"Option_output0", {24, 56}},  {"Option_output1", {104, 56}}, {"Option_output2", {176, 56}},
        {"Option_output3", {264, 56}}, {"Cmd_closereport", {344, 8}},
    };
    for (const auto& c : corners)
        EXPECT_EQ(p.control(c.name)->pos(), c.topLeft) << c.name;
    EXPECT_EQ(p.panel.Frame10->geometry(), QRect(152, 96, 185, 129));
    EXPECT_EQ(p.panel.cmd_generatereport->geometry(), QRect(16, 224, 321, 41));
    EXPECT_TRUE(p.control("Shape6")->geometry().contains(p.panel.Label40->geometry()));
}

TEST(ReportPanelControls, FontSizesTheDefinitionNames)
{
    Panel p;
    EXPECT_DOUBLE_EQ(p.panel.label_binsize->font().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(p.panel.Combo_reportbin->font().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(p.panel.cmd_generatereport->font().pointSizeF(), 9.0);
    EXPECT_TRUE(p.panel.cmd_generatereport->font().bold());
    EXPECT_FALSE(p.panel.Label40->font().bold());
}

// Siblings that are shown do not overlap, apart from the title inside its outline
// and the definition's own pixel where Frame10 (ending at 3375) meets
// "Generate" (at 3360); they stay inside their panel, and no layout manager
// moves what the rule placed.
TEST(ReportPanelControls, NothingOverlapsAndNoLayoutManager)
{
    Panel p;
    expectApart(p.panel, {QStringLiteral("Shape6+Label40"), QStringLiteral("Frame10+cmd_generatereport")});
    expectApart(*p.panel.Frame10);
    EXPECT_EQ(p.panel.layout(), nullptr);
    EXPECT_EQ(p.panel.Frame10->layout(), nullptr);
}

TEST(ReportPanelControls, CaptionsFitTheirControlsAndTheRenderIsSaved)
{
    Panel p;
    p.panel.fillLists(QStringLiteral(","));
    p.panel.show();
    for (QWidget* w : p.panel.findChildren<QWidget*>()) {
        if (!w->isHidden() && !w->objectName().isEmpty()) {
            EXPECT_TRUE(captionFits(w)) << w->objectName().toStdString();
        }
    }
    const QString png = QDir::temp().filePath(QStringLiteral("veldo_frm_report_designed.png"));
    EXPECT_TRUE(p.panel.grab().save(png));
}

} // namespace
