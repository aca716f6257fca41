#include "acquisition/panels/Frm_acquire.h"

#include "core/FactoryPassword.h"
#include "core/PageOpener.h"
#include "flash/panels/frame_flash.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

QWidget* Frm_acquire::buildFlashPanel(QWidget* parent)
{
    flashPanel = new frame_flash({ctx_.globals, ctx_.folder, ctx_.clock, ctx_.prompts, *console_, ctx_.comm, {}},
                                 parent);
    flashPanel->hide();
    return flashPanel;
}

void Frm_acquire::buildFlashMenu()
{
    auto* factory = menuBar()->findChild<QMenu*>(QStringLiteral("mn_fac"));
    if (!factory)
        return;
    auto* item = new QAction(QStringLiteral("Factory Parameters(Require Password)"), factory);
    item->setObjectName(QStringLiteral("mnfactory_param"));
    // Above the camera items, as the menu lists it.
    factory->insertAction(cam_disabled[0], item);
    connect(item, &QAction::triggered, this, [this] { mnfactory_param_Click(); });
    auto* advancedPage = new QAction(QStringLiteral("Factory Tools(Require password)"), factory);
    advancedPage->setObjectName(QStringLiteral("mnadvanced"));
    factory->insertAction(item, advancedPage);
    connect(advancedPage, &QAction::triggered, this, [this] { mnadvanced_Click(); });
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
