#pragma once

#include "analysis/panels/Frm_bmpexport.h"

#include <QPointer>

#include <functional>

// Opens the image-sequence page for a report's "MapPlot": the first call, and
// the first after the page was closed, loads a fresh page; while it stays open
// only the format code and the well list are renewed.
class BmpExportOpener {
public:
    explicit BmpExportOpener(std::function<BmpExportContext()> makeContext) : makeContext_(std::move(makeContext)) {}
    ~BmpExportOpener();
    BmpExportOpener(const BmpExportOpener&) = delete;
    BmpExportOpener& operator=(const BmpExportOpener&) = delete;

    // Writes the format code into txt_formatowell, shows the page and enables Timer1.
    void showMapPlot(const QString& formatCode);

    Frm_bmpexport* page() const { return page_; }

private:
    std::function<BmpExportContext()> makeContext_;
    QPointer<Frm_bmpexport> page_;
};
