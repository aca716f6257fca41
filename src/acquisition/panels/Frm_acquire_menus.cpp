// The main window's menu bar, its hidden pop-up menus and the small commands
// they serve: ticks, the password items, help, version and about.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/PlatePicturePanel.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "core/DesktopOpener.h"
#include "core/FactoryPassword.h"
#include "core/PageOpener.h"
#include "core/ProgramIdentity.h"
#include "core/Prompts.h"
#include "flash/panels/frame_flash.h"
#include "plate/geometry/CameraLayout.h"
#include "plate/panels/Frame_select.h"
#include "projects/panels/Frame_project.h"
#include "ui/NamedMenus.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStringList>

namespace {

// A tick item whose handler sets the tick itself: the menu's own toggle is
// taken back first, so the handler sees the mark as it was before the click.
template <typename Handler>
void connectTick(QAction* item, QObject* context, Handler handler)
{
    QObject::connect(item, &QAction::triggered, context, [item, handler] {
        item->setChecked(!item->isChecked());
        handler();
    });
}

const QString kHelpDocument = QStringLiteral("help_veldo.pdf");

QString blueLightWarning()
{
    return QStringList{QStringLiteral("* Only available in some Hardware versions * "), QString(),
                       QStringLiteral("OFF: Power=0 MAXIMUM: Power=7"), QStringLiteral("Warning!"),
                       QStringLiteral("avoid using Power > 5 during Acquisitions")}
        .join(QStringLiteral("\r\n"));
}

} // namespace

void Frm_acquire::buildMenus()
{
    QMenu* tools = namedMenu(menuBar(), "mntools", QStringLiteral("Tools"));
    QMenu* advanced = namedMenu(tools, "mnadvan", QStringLiteral("Advanced"));
    buildWellCalibrationMenu(advanced);

    QMenu* light = namedMenu(advanced, "mnlightcal", QStringLiteral("Lighting Calibration"));
    mncalibralightback = namedItem(light, "mncalibralightback", QStringLiteral("Background light"));
    connect(mncalibralightback, &QAction::triggered, this, [this] { mncalibralightback_Click(); });
    mncalibralight = namedItem(light, "mncalibralight", QStringLiteral("Well illumination"));
    mncalibralight->setVisible(false);
    mn_fastled = namedItem(light, "mn_fastled", QStringLiteral("Fast led calibration"));
    mn_fastled->setVisible(false);

    QMenu* temperatureMenu = namedMenu(advanced, "mntempcal", QStringLiteral("Temperature Calibration"));
    mncalibratetemp = namedItem(temperatureMenu, "mncalibratetemp", QStringLiteral("Calibrate"));
    connect(mncalibratetemp, &QAction::triggered, this, [this] { mncalibratetemp_Click(); });

    QMenu* factory = namedMenu(advanced, "mn_fac", QStringLiteral("Factory Tools"));
    // The trailing blank is the item's own.
    mn_internalref = namedItem(factory, "mn_internalref", QStringLiteral("Enable Internal Reference "));
    buildFlashMenu();
    mn_showcomm = namedItem(factory, "mn_showcomm", QStringLiteral("Show Communication values"), true);
    connectTick(mn_showcomm, this, [this] { mn_showcomm_Click(); });
    const char* wells[kCameraCount] = {"A1", "B1", "A2", "B2", "A3", "B3"};
    for (int i = 0; i < kCameraCount; ++i) {
        QAction* item = factory->addAction(QStringLiteral("DISABLE CAM%1 (%2)").arg(i).arg(QLatin1String(wells[i])));
        item->setObjectName(QStringLiteral("cam_disabled%1").arg(i));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { cam_disabled_Click(i); });
        cam_disabled[i] = item;
    }
    showCameraFlags();
    QAction* pixelSets = factory->addAction(QStringLiteral("Pixel sets"));
    pixelSets->setObjectName(QStringLiteral("mn_pixelsets"));
    connect(pixelSets, &QAction::triggered, frameSelect, &QWidget::show);

    mn_bluelight = namedItem(tools, "mn_bluelight", QStringLiteral("Enable Blue Lighting"), true);
    connectTick(mn_bluelight, this, [this] { mn_bluelight_Click(); });
    mn_tcycle = namedItem(tools, "mn_tcycle", QStringLiteral("Enable Temperature cycle"), true);
    connectTick(mn_tcycle, this, [this] { mn_tcycle_Click(); });
    chk_saveraw = namedItem(tools, "chk_saveraw", QStringLiteral("SaveRawData"), true);
    connectTick(chk_saveraw, this, [this] { chk_saveraw_Click(); });

    QMenu* help = namedMenu(menuBar(), "mnhelp", QStringLiteral("Help"));
    mnhelpindex = namedItem(help, "mnhelpindex", QStringLiteral("Help Index"));
    connect(mnhelpindex, &QAction::triggered, this, [this] { mnhelpindex_Click(); });
    mnversion = namedItem(help, "mnversion", QStringLiteral("SoftVersion"));
    connect(mnversion, &QAction::triggered, this, [this] { mnversion_Click(); });
    help->addSeparator()->setObjectName(QStringLiteral("mn_"));
    mnabout = namedItem(help, "mnabout", QStringLiteral("About"));
    connect(mnabout, &QAction::triggered, this, [this] { mnabout_Click(); });

    // The group panel pops its block shapes up from "AUTO-ARRANGE"; the bar only holds it.
    menuBar()->addMenu(frameProject->mngroup);
    frameProject->mngroup->setTitle(QStringLiteral("mngroup"));
    frameProject->mngroup->menuAction()->setVisible(false);
    mndelblank_top = hiddenMenu(menuBar(), "mndelblank_top", QStringLiteral("blankmenu"));
    mndelblank = namedItem(mndelblank_top, "mndelblank", QStringLiteral("Delete blank read"));
    mnrightclickmenu = hiddenMenu(menuBar(), "mnrightclickmenu", QStringLiteral("rightclickmenu"));
    mnjointrep = namedItem(mnrightclickmenu, "mnjointrep", QStringLiteral("Joint Report..."));
}

void Frm_acquire::buildFlashMenu()
{
    auto* factory = menuBar()->findChild<QMenu*>(QStringLiteral("mn_fac"));
    mnadvanced = namedItem(factory, "mnadvanced", QStringLiteral("Factory Tools(Require password)"));
    connect(mnadvanced, &QAction::triggered, this, [this] { mnadvanced_Click(); });
    mnfactory_param = namedItem(factory, "mnfactory_param", QStringLiteral("Factory Parameters(Require Password)"));
    connect(mnfactory_param, &QAction::triggered, this, [this] { mnfactory_param_Click(); });
}

void Frm_acquire::showCameraFlags()
{
    for (int i = 0; i < kCameraCount; ++i) {
        if (cam_disabled[i])
            cam_disabled[i]->setChecked(!state.cameraEnabled[i]);
    }
}

void Frm_acquire::cam_disabled_Click(int index)
{
    if (index < 0 || index >= kCameraCount)
        return;
    // The check mark mirrors the flag; the menu has already toggled it on its own.
    state.cameraEnabled[index] = !state.cameraEnabled[index];
    cam_disabled[index]->setChecked(!state.cameraEnabled[index]);
    for (int well : builtInCameraWells(platePicture->format(), index))
        platePicture->DrawWellGroupOverlay(well);
}

void Frm_acquire::mnadvanced_Click()
{
    if (!askFactoryPassword(ctx_.prompts))
        return;
    if (ctx_.pages)
        ctx_.pages->openAdvancedPage();
}

void Frm_acquire::mnfactory_param_Click()
{
    if (!askFactoryPassword(ctx_.prompts))
        return;
    flashPanel->show();
}

void Frm_acquire::chk_saveraw_Click()
{
    // The run loop reads the tick; nothing else happens here.
    chk_saveraw->setChecked(!chk_saveraw->isChecked());
}

void Frm_acquire::mn_showcomm_Click()
{
    // The senders write into both whether they are shown or not.
    const bool show = !mn_showcomm->isChecked();
    lbl_lenrx->setVisible(show);
    txt_in->setVisible(show);
    mn_showcomm->setChecked(show);
}

void Frm_acquire::mn_bluelight_Click()
{
    const bool show = !mn_bluelight->isChecked();
    // Only switching on warns.
    if (show)
        ctx_.prompts.message(blueLightWarning());
    mn_bluelight->setChecked(show);
    if (frameMenu->Frame_light)
        frameMenu->Frame_light->setVisible(show);
}

void Frm_acquire::mn_tcycle_Click()
{
    temperature().toggleCycleMenu();
    mn_tcycle->setChecked(temperature().view.cycleMenuChecked);
    showTemperatureView(); // the cycle panel with the tick
}

void Frm_acquire::mnhelpindex_Click()
{
    const QString help = ctx_.folder.path(kHelpDocument);
    // A missing document is passed over in silence.
    if (QFileInfo(help).isFile())
        ctx_.opener.open(help);
}

void Frm_acquire::mnversion_Click() { ctx_.prompts.message(softVersionText()); }

void Frm_acquire::mnabout_Click() { ctx_.prompts.message(aboutText()); }
