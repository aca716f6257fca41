#include "acquisition/Frm_acquire.h"

#include "link/ModCOMM.h"
#include "ui/WidgetConsole.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

Frm_acquire::Frm_acquire(AppContext context, QWidget* parent)
    : QMainWindow(parent), ctx_(std::move(context))
{
    setObjectName(QStringLiteral("Frm_acquire"));
    setWindowTitle(QStringLiteral("VELDO"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    txt_in = new QPlainTextEdit(central);
    txt_in->setObjectName(QStringLiteral("txt_in"));
    txt_in->setReadOnly(true);
    txt_in->setVisible(false); // shown by "Show Communication values"

    lbl_lenrx = new QLabel(QStringLiteral("Len(Rx) = 0"), central);
    lbl_lenrx->setObjectName(QStringLiteral("lbl_lenrx"));
    lbl_lenrx->setVisible(false);

    txt_status = new QLineEdit(central);
    txt_status->setObjectName(QStringLiteral("txt_status"));
    txt_status->setReadOnly(true);

    layout->addWidget(buildFormatPanel(central));
    layout->addWidget(buildPlatePicture(central));
    layout->addWidget(buildPixelSetPanel(central));
    layout->addStretch(1);
    layout->addWidget(txt_in);
    layout->addWidget(lbl_lenrx);
    layout->addWidget(txt_status);
    setCentralWidget(central);
    buildCameraMenu();
    buildPixelSetMenu();
    resize(800, 600);

    console_ = std::make_unique<WidgetConsole>(txt_status, txt_in, lbl_lenrx);
    // The flash panel shares the window's console, so it comes after it.
    layout->insertWidget(3, buildFlashPanel(central));
    buildFlashMenu();
}

Frm_acquire::~Frm_acquire()
{
    if (ctx_.comm)
        ctx_.comm->setPortLostHandler({}); // it shows in this window's status line
}

void Frm_acquire::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}
