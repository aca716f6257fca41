#pragma once

#include "advanced/panels/Frm_advance.h"
#include "core/PageOpener.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>

// The application's pages, built when first opened. A page lives until its
// window is closed; the next opening builds it again.
class AppPageOpener final : public PageOpener {
public:
    // `makeContext` gives the advanced page what it works with, the main
    // window's current plate format and the way back to it included.
    // `loadSavedDataPage` builds and shows the saved-data page (none: that
    // page is not offered); it is given as a function so that this opener
    // does not carry the analysis pages into every program that opens pages.
    // `screenArea` is where a new advanced page opens, maximised (none: at its own size).
    explicit AppPageOpener(std::function<AdvanceContext()> makeContext,
                           std::function<QWidget*()> loadSavedDataPage = {},
                           std::function<QRect()> screenArea = {})
        : makeContext_(std::move(makeContext))
        , loadSavedDataPage_(std::move(loadSavedDataPage))
        , screenArea_(std::move(screenArea))
    {
    }
    ~AppPageOpener() override;

    void openAdvancedPage() override;
    // The saved-data page loads afresh each time it was closed; the run is
    // chosen on its list.
    void openSavedDataPage(const QString& runFolder) override;
    void openImageSequencePage(const QString&) override {} // the image-sequence page comes later

    Frm_advance* advancedPage() const { return advanced_; }
    QWidget* savedDataPage() const { return savedData_; }

private:
    std::function<AdvanceContext()> makeContext_;
    std::function<QWidget*()> loadSavedDataPage_;
    std::function<QRect()> screenArea_;
    QPointer<Frm_advance> advanced_;
    QPointer<QWidget> savedData_;
};
