#pragma once

#include <QString>

// Opens the program's other pages. The application implements it once it has
// built the pages; a page that must open another (a report opens the
// image-sequence page, the saved-data page opens the advanced page) asks
// through this seam, so that no page's library depends on another's.
class PageOpener {
public:
    virtual ~PageOpener() = default;
    virtual void openAdvancedPage() = 0;
    // The saved-data page on a recorded run (its folder; empty: the page's own choice).
    virtual void openSavedDataPage(const QString& runFolder) = 0;
    // The image-sequence page on a recorded run's folder.
    virtual void openImageSequencePage(const QString& runFolder) = 0;
};
