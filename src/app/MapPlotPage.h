#pragma once

#include "analysis/panels/BmpExportOpener.h"
#include "reporting/ReportPanelActions.h"

// A "MapPlot" report opens the image-sequence page for its format.
class MapPlotPage final : public MapPlotTarget {
public:
    explicit MapPlotPage(BmpExportOpener& opener) : opener_(opener) {}
    void showMapPlot(const QString& formatCode) override { opener_.showMapPlot(formatCode); }

private:
    BmpExportOpener& opener_;
};
