// Every caption of every window reads whole at the size the window opens with,
// on the screens a lab PC has: the program started as main() starts it, each
// page and panel shown in turn, each button, label, check box and radio button
// measured against what the control shows of it.
#include "ProgramRig.h"

#include "advanced/panels/Frm_advance.h"
#include "analysis/panels/Frrm_offline.h"
#include "reporting/panels/Frm_report.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

struct ScreenCase {
    const char* name;
    QRect area;
};

std::ostream& operator<<(std::ostream& out, const ScreenCase& s) { return out << s.name; }

// What a control's caption reads on screen: "&&" shows one "&", a lone "&"
// marks the shortcut and shows nothing.
QString shownCaption(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// The rectangle a control gives its caption: a button's label area inside its
// bevel, a box's beside its indicator, a label's inside its margins.
QRect captionRoom(QWidget* control)
{
    QStyleOptionButton option;
    option.initFrom(control);
    if (qobject_cast<QCheckBox*>(control))
        return control->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, control);
    if (qobject_cast<QRadioButton*>(control))
        return control->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, control);
    if (qobject_cast<QPushButton*>(control))
        return control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, control);
    auto* label = qobject_cast<QLabel*>(control);
    const int margin = label ? label->margin() : 0;
    const int indent = label && label->indent() > 0 ? label->indent() : 0;
    return control->contentsRect().adjusted(margin + indent, margin, -margin, -margin);
}

// A control that breaks its caption between words: a word-wrapping label, and
// the calibration column's two-line button.
bool wrapsCaption(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->wordWrap();
    return control->inherits("WrappedCaptionButton");
}

QString captionOf(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return shownCaption(button->text());
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->textFormat() == Qt::RichText ? QString() : label->text();
    return QString();
}

// Every visible caption of `window` that its control cuts, one line each.
QStringList cutCaptions(QWidget& window, const QString& windowName)
{
    QStringList cut;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool checked = qobject_cast<QPushButton*>(control) || qobject_cast<QCheckBox*>(control) ||
                             qobject_cast<QRadioButton*>(control) || qobject_cast<QLabel*>(control);
        if (!checked || !control->isVisibleTo(&window))
            continue;
        const QString caption = captionOf(control);
        if (caption.trimmed().isEmpty())
            continue;
        const QRect room = captionRoom(control);
        QSize needed(0, 0);
        if (wrapsCaption(control)) {
            needed = control->fontMetrics().boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, caption).size();
        } else {
            for (const QString& line : caption.split(QLatin1Char('\n')))
                needed.setWidth(std::max(needed.width(), control->fontMetrics().horizontalAdvance(line)));
        }
        if (needed.width() > room.width() || needed.height() > room.height()) {
            const QString name = control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                                 : control->objectName();
            cut << QStringLiteral("%1: %2 \"%3\" needs %4 x %5 px, shows %6 x %7")
                       .arg(windowName, name, caption)
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(room.width())
                       .arg(room.height());
        }
    }
    return cut;
}

class CaptionFit : public ProgramRig, public ::testing::WithParamInterface<ScreenCase> {
protected:
    void SetUp() override
    {
        screen = GetParam().area;
        ProgramRig::SetUp();
    }

    // A desktop without a window manager does not maximise: the window keeps
    // the geometry the program set beside the maximised state.
    static void showUnmanaged(QWidget& window)
    {
        window.setWindowState(Qt::WindowNoState);
        QCoreApplication::processEvents();
    }

    // The main window as a widget: its own `geometry` names the plate's.
    QWidget& mainWindow() { return window(); }

    // The window's captions as they stand, and a picture of it when asked for
    // (VELDO_CAPTION_SHOTS names a folder), to look at what was measured.
    void expectWhole(QWidget& window, const QString& name)
    {
        QCoreApplication::processEvents();
        const QString shots = qEnvironmentVariable("VELDO_CAPTION_SHOTS");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            window.grab().save(QDir(shots).filePath(QStringLiteral("%1-%2.png").arg(GetParam().name, name)));
        }
        const QStringList cut = cutCaptions(window, name);
        EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('\n')).toStdString();
    }

    // One panel of the main window over the rest, then hidden again.
    void expectPanelWhole(const char* panelName)
    {
        auto& panel = control<QWidget>(window(), panelName);
        panel.show();
        panel.raise();
        expectWhole(window(), QStringLiteral("main window, %1").arg(QLatin1String(panelName)));
        panel.hide();
    }
};

TEST_P(CaptionFit, TheMainWindowOpensOverTheScreenAreaInTheDesignedFaces)
{
    program->start();
    EXPECT_TRUE(window().isMaximized());
    EXPECT_EQ(window().normalGeometry(), screen);
    showUnmanaged(window());
    EXPECT_EQ(mainWindow().geometry().size(), screen.size());
    // The metric twin of the face the designed sizes assume, not a wider fallback.
    EXPECT_EQ(QFontInfo(window().font()).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "Liberation Sans");
}

TEST_P(CaptionFit, MainWindowAndItsPanelsShowEveryCaptionWhole)
{
    program->start();
    showUnmanaged(window());
    ASSERT_EQ(status(), "OK. Connected to VELDO SN12");
    expectWhole(window(), QStringLiteral("main window"));

    // The confirmation as "Start" opens it, then cancelled.
    control<QPushButton>(window(), "cmdPlay").click();
    ASSERT_TRUE(control<QWidget>(window(), "frm_confirmacq").isVisible());
    expectWhole(window(), QStringLiteral("main window, frm_confirmacq"));
    control<QPushButton>(window(), "cmd_cancelacq").click();

    // The report panel as "Report" opens it.
    control<QPushButton>(window(), "cmdreport").click();
    ASSERT_TRUE(window().reportPanel->isVisible());
    expectWhole(window(), QStringLiteral("main window, Frm_report"));
    window().reportPanel->Cmd_closereport->click();

    for (const char* panel : {"frame_flash", "frameblank", "frmtempcal", "frm_calibrate", "Frame_light", "Frame_tcycle"})
        expectPanelWhole(panel);

    // The well calibration column takes the command column's place, "Close" above it.
    auto& menu = control<QWidget>(window(), "Frame_menu");
    auto& calibration = control<QWidget>(window(), "Frame_calibration");
    auto& close = control<QWidget>(window(), "cmd_menu");
    menu.hide();
    calibration.show();
    close.show();
    expectWhole(window(), QStringLiteral("main window, Frame_calibration"));
}

TEST_P(CaptionFit, SavedDataPageAndItsReportPanelShowEveryCaptionWhole)
{
    program->start();
    showUnmanaged(window());
    control<QPushButton>(window(), "cmd_load_recording").click();
    auto* page = qobject_cast<Frrm_offline*>(program->pages().savedDataPage());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->geometry(), mainWindow().geometry());
    // What opening a run and loading its heat map show, with the scan caption
    // of a day-long run's last scan.
    for (QWidget* view : std::initializer_list<QWidget*>{page->cmd_report, page->cmd_plotbar, page->cmd_plotheat,
                                                         page->cmd_plotheatkin, page->frame_heatmap, page->lbl_scan,
                                                         page->txt_cframe, page->HScroll_time})
        view->show();
    page->lbl_scan->setText(QStringLiteral("Scan(14400) 1440m"));
    expectWhole(*page, QStringLiteral("saved-data page"));
    page->cmd_report->click();
    ASSERT_TRUE(page->reportPanel->isVisible());
    expectWhole(*page, QStringLiteral("saved-data page, Frm_report"));

    // The panel lies over the project list: at its right edge, between its
    // options and its border, the panel's own background shows, not the list.
    const QRect panel = page->reportPanel->geometry();
    ASSERT_TRUE(panel.intersects(page->Listpj->geometry().translated(page->frame_offline->pos())));
    const QPoint inside = panel.topLeft() + QPoint(panel.width() - 8, panel.height() / 2);
    EXPECT_EQ(page->grab().toImage().pixelColor(inside), page->reportPanel->palette().color(QPalette::Window));
    page->close();
}

TEST_P(CaptionFit, ImageSequencePageShowsEveryCaptionWhole)
{
    program->start();
    showUnmanaged(window());
    program->sequencePage().showMapPlot(QStringLiteral("w24"));
    auto* page = program->sequencePage().page();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(page->isVisible());
    expectWhole(*page, QStringLiteral("image-sequence page"));
    page->close();
}

TEST_P(CaptionFit, ServicePageFitsItsSizeAndShowsEveryCaptionWhole)
{
    program->start();
    showUnmanaged(window());
    program->pages().openAdvancedPage();
    Frm_advance* page = program->pages().advancedPage();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isMaximized());
    EXPECT_EQ(page->normalGeometry(), screen);
    showUnmanaged(*page);
    EXPECT_EQ(page->geometry().size(), screen.size());
    expectWhole(*page, QStringLiteral("service page"));
    // A wheel turned over "led power:" on the way elsewhere leaves the power as it was.
    ASSERT_EQ(page->txt_led->currentText(), "3");
    ASSERT_FALSE(page->txt_led->hasFocus());
    const QPointF over(page->txt_led->width() / 2.0, page->txt_led->height() / 2.0);
    QWheelEvent wheel(over, page->txt_led->mapToGlobal(over), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(page->txt_led, &wheel);
    EXPECT_EQ(page->txt_led->currentText(), "3");

    // A full frame's summary is longer than the label's designed caption.
    page->Command_fullframe->click();
    ASSERT_TRUE(page->lbl_lenrx->text().startsWith(QStringLiteral("LEN(Rx) = "))) << page->lbl_lenrx->text().toStdString();
    expectWhole(*page, QStringLiteral("service page, full frame"));
    // Every device control lies in the panel: nothing to scroll to.
    for (QScrollArea* scroll : page->frame_advanced->findChildren<QScrollArea*>()) {
        EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
    }
    page->close();
}

// Labels sized to their text show all of it on any grid, the small window's too.
class SizedToText : public ProgramRig {};

TEST_F(SizedToText, TheInstrumentLabelShowsItsWholeCaptionInASmallWindow)
{
    program->start();
    window().setWindowState(Qt::WindowNoState);
    for (const QSize size : {QSize(800, 600), QSize(640, 480), QSize(1280, 1024)}) {
        window().resize(size);
        QCoreApplication::processEvents();
        const QStringList cut = cutCaptions(window(), QStringLiteral("main window")).filter(QStringLiteral("lbl_myserial"));
        EXPECT_TRUE(cut.isEmpty()) << size.width() << " x " << size.height() << ": " << cut.join('|').toStdString();
    }
    EXPECT_EQ(control<QLabel>(window(), "lbl_myserial").text(), "SN12");
}

INSTANTIATE_TEST_SUITE_P(LabScreens, CaptionFit,
                         ::testing::Values(ScreenCase{"screen1280x1024", QRect(0, 0, 1280, 1024)},
                                           ScreenCase{"screen1920x1080", QRect(0, 0, 1920, 1080)}),
                         [](const ::testing::TestParamInfo<ScreenCase>& screenCase) { return std::string(screenCase.param.name); });

} // namespace
