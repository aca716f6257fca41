#include "analysis/panels/BmpExportOpener.h"

#include <QLineEdit>
#include <QTimer>

BmpExportOpener::~BmpExportOpener() { delete page_.data(); }

void BmpExportOpener::showMapPlot(const QString& formatCode)
{
    // A closed page goes once its own clicks have returned; it is not reused.
    if (page_ && page_->unloaded()) {
        page_->deleteLater();
        page_ = nullptr;
    }
    if (!page_)
        page_ = new Frm_bmpexport(makeContext_());
    page_->txt_formatowell->setText(formatCode);
    page_->show();
    page_->raise();
    page_->activateWindow();
    page_->Timer1->start();
}
