#include "acquisition/panels/Frm_acquire.h"

#include "core/Prompts.h"
#include "flash/panels/frame_flash.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// Compared exactly, letter case and blanks included.
const QString kFactoryPassword = QStringLiteral("Tulip5082");

} // namespace

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
}

void Frm_acquire::mnfactory_param_Click()
{
    if (ctx_.prompts.input(QStringLiteral("Enter password")) != kFactoryPassword) {
        ctx_.prompts.message(QStringLiteral("Wrong password"));
        return;
    }
    flashPanel->show();
}
