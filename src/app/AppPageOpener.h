#pragma once

#include "advanced/panels/Frm_advance.h"
#include "core/PageOpener.h"

#include <QPointer>

#include <functional>

class QWidget;

// The application's pages, built when first opened. The advanced page lives
// until its window is closed; the next opening builds it again.
class AppPageOpener final : public PageOpener {
public:
    // `makeContext` gives the page what it works with, the main window's
    // current plate format and the way back to it included.
    explicit AppPageOpener(std::function<AdvanceContext()> makeContext) : makeContext_(std::move(makeContext)) {}
    ~AppPageOpener() override;

    void openAdvancedPage() override;
    void openSavedDataPage(const QString&) override {}   // the saved-data page comes later
    void openImageSequencePage(const QString&) override {} // the image-sequence page comes later

    Frm_advance* advancedPage() const { return advanced_; }

private:
    std::function<AdvanceContext()> makeContext_;
    QPointer<Frm_advance> advanced_;
};
