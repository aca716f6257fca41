#pragma once

#include <QString>

// Said by every calibration that needs the instrument when there is none.
inline const QString kOfflineRefusal = QStringLiteral("Operation not possible in OFFLINE Mode");
