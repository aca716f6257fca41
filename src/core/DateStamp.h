#pragma once

#include <QDateTime>
#include <QString>

// Date and time texts in the system's own pattern notation: "yyyy", "mm" (month,
// or minutes right after an hour), "dd", "hh", "ss"; other characters are kept.
// Used with "yyyymmdd_hhmmss" (run folders), "yyyy/mm/dd_hh:mm:ss" (file headers),
// "yyyymmddhhmmss" (report files) and "yyyymmdd" (project folders).
QString formatDateStamp(const QDateTime& when, const QString& pattern);
