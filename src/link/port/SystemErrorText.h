#pragma once

#include <QString>
#include <QtGlobal>

// System error codes the serial module records, numbered as Windows numbers
// them: the port search and the tests compare these values on every system.
inline constexpr qint32 kErrorFileNotFound = 2;
inline constexpr qint32 kErrorAccessDenied = 5;
inline constexpr qint32 kErrorInvalidHandle = 6;
inline constexpr qint32 kErrorGenFailure = 31;
inline constexpr qint32 kErrorInvalidParameter = 87;
inline constexpr qint32 kErrorTimeout = 1460;

// The system's message for a code, with its closing line break; empty for a
// code the system has no message for.
QString LookupSystemErrorText(qint32 code);
