#include "advanced/panels/Frm_advance.h"
#include "calibration/InternalReferenceMenu.h"

#include "advanced/AdvancedMenuCommands.h"
#include "core/FactoryPassword.h"
#include "core/ProgramIdentity.h"
#include "ui/NamedMenus.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>


void Frm_advance::buildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    // The menu bar keeps the system's text size when the page's follows its size.
    QFont menuFont = QApplication::font(menuBar);
    menuFont.setPointSizeF(menuFont.pointSizeF());
    menuBar->setFont(menuFont);
    QMenu* tools = namedMenu(menuBar, "mntools", QStringLiteral("Tools"));
    QMenu* advanced = namedMenu(tools, "mnadvan", QStringLiteral("Advanced"));

    QMenu* wellCal = namedMenu(advanced, "mnwellcal", QStringLiteral("Well Format Calibration"));
    mncalibratewell = namedItem(wellCal, "mncalibratewell", QStringLiteral("Calibrate position"));

    buildLightingMenu(advanced);

    QMenu* tempCal = namedMenu(advanced, "mntempcal", QStringLiteral("Temperature Calibration"));
    mncalibratetemp = namedItem(tempCal, "mncalibratetemp", QStringLiteral("Calibrate"));
    connect(mncalibratetemp, &QAction::triggered, this, [this] { mncalibratetemp_Click(); });

    QMenu* factory = namedMenu(advanced, "mn_fac", QStringLiteral("Factory Tools"));
    mn_internalref = namedItem(factory, "mn_internalref", QStringLiteral("Enable Internal Reference "));
    mn_internalref->setCheckable(true);
    // The check mark is the answer's, not the click's.
    connect(mn_internalref, &QAction::triggered, this, [this] { mn_internalref_Click(); });
    mnadvanced = namedItem(factory, "mnadvanced", QStringLiteral("Factory Tools(Require password)"));
    connect(mnadvanced, &QAction::triggered, this, [this] { mnadvanced_Click(); });

    QMenu* help = namedMenu(menuBar, "mnhelp", QStringLiteral("Help"));
    mnhelpindex = namedItem(help, "mnhelpindex", QStringLiteral("Help Index"));
    mnversion = namedItem(help, "mnversion", QStringLiteral("SoftVersion"));
    connect(mnversion, &QAction::triggered, this, [this] { mnversion_Click(); });
    help->addSeparator()->setObjectName(QStringLiteral("mn_"));
    mnabout = namedItem(help, "mnabout", QStringLiteral("About"));
    connect(mnabout, &QAction::triggered, this, [this] { mnabout_Click(); });

    // The page has no group list and no blank list to pop these up.
    mngroup = hiddenMenu(menuBar, "mngroup", QStringLiteral("mngroup"));
    for (int i = 0; i < static_cast<int>(mnopciongrup.size()); ++i) {
        mnopciongrup[i] = mngroup->addAction(QStringLiteral("opcion%1").arg(i));
        mnopciongrup[i]->setObjectName(QStringLiteral("mnopciongrup%1").arg(i));
    }
    mndelblank_top = hiddenMenu(menuBar, "mndelblank_top", QStringLiteral("blankmenu"));
    mndelblank = namedItem(mndelblank_top, "mndelblank", QStringLiteral("Delete blank read"));
}

void Frm_advance::mnadvanced_Click()
{
    if (!askFactoryPassword(ctx_.prompts))
        return;
    frame_advanced->show();
    cmd_menu->show();
}

void Frm_advance::mncalibratetemp_Click()
{
    calibrateTemperatureOnPage(ctx_.globals, ctx_.prompts, formTempOffset);
}

void Frm_advance::mn_internalref_Click()
{
    const bool enabled = askEnableInternalReference(ctx_.prompts);
    mn_internalref->setChecked(enabled);
    if (ctx_.internalReferenceEnabled)
        ctx_.internalReferenceEnabled(enabled);
}

void Frm_advance::mnversion_Click() { ctx_.prompts.message(softVersionText()); }

void Frm_advance::mnabout_Click() { ctx_.prompts.message(aboutText()); }
