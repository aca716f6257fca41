#pragma once

#include <QString>

// What the report panel's controls say when "Generate" is pressed.
enum class ReportOutput { Rows = 0, Array = 1, MapPlot = 2, Bmp = 3 }; // Option_output
enum class IntRefChoice { No = 0, Apply = 1, Update = 2 };            // combo_intref index

struct ReportChoices {
    ReportOutput output = ReportOutput::Rows;
    QString binText = QStringLiteral("ScanTime"); // Combo_reportbin: "ScanTime" or minutes
    QString fileType = QStringLiteral(".csv");    // Combo_reportfile
    QString divider = QStringLiteral(",");        // Combo_reportdivider, written as it is
    bool noiseFilter = true;                      // chk_noise
    bool applyBlank = false;                      // chk_blank
    IntRefChoice intRef = IntRefChoice::Apply;

    bool scanTimeColumns() const { return binText == QLatin1String("ScanTime"); }
    // ".csv" only for that exact text; anything else writes ".txt".
    QString extension() const
    {
        return fileType == QLatin1String(".csv") ? QStringLiteral(".csv") : QStringLiteral(".txt");
    }
};
