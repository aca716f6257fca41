#include "app/AppPageOpener.h"

AppPageOpener::~AppPageOpener() { delete advanced_.data(); }

void AppPageOpener::openAdvancedPage()
{
    if (!advanced_) {
        advanced_ = new Frm_advance(makeContext_());
        advanced_->setAttribute(Qt::WA_DeleteOnClose);
    }
    // A page still loaded after "Close" gets its panel back.
    advanced_->showPage();
}
