#pragma once

#include <QString>
#include <optional>

inline const QString kBlankLapseRefusal = QStringLiteral("invalid acqtime [30-1440m]");
inline const QString kBlankNameRefusal = QStringLiteral("Enter a valid Blank acquisition name");

// The blank's duration box read leniently (blanks ignored): whole minutes from
// 30 to 1440, halves to even; nothing outside that range.
std::optional<int> blankLapseMinutes(const QString& text);

// The project of blank runs, "_internal_blank_measurement" and "SN<n>" from 1,
// and a blank run's acquisition name, "_blank_" and the cleaned name.
QString blankProjectName(int serialNumber);
QString blankAcquisitionName(const QString& cleanedName);
