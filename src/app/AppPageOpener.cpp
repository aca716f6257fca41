#include "app/AppPageOpener.h"

#include "ui/ProgramScreen.h"

AppPageOpener::~AppPageOpener()
{
    delete advanced_.data();
    delete savedData_.data();
}

void AppPageOpener::openAdvancedPage()
{
    if (!advanced_) {
        advanced_ = new Frm_advance(makeContext_());
        advanced_->setAttribute(Qt::WA_DeleteOnClose);
        if (screenArea_)
            openOnScreenArea(*advanced_, screenArea_());
    }
    // A page still loaded after "Close" gets its panel back.
    advanced_->showPage();
}

void AppPageOpener::openSavedDataPage(const QString&)
{
    if (!loadSavedDataPage_)
        return;
    if (savedData_) {
        savedData_->raise();
        savedData_->activateWindow();
        return;
    }
    savedData_ = loadSavedDataPage_();
    if (savedData_)
        savedData_->setAttribute(Qt::WA_DeleteOnClose);
}
