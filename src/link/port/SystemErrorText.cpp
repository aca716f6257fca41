#include "link/port/SystemErrorText.h"

QString LookupSystemErrorText(qint32 code)
{
    const char* message = nullptr;
    switch (code) {
    case 0: message = "The operation completed successfully."; break;
    case kErrorFileNotFound: message = "The system cannot find the file specified."; break;
    case kErrorAccessDenied: message = "Access is denied."; break;
    case kErrorInvalidHandle: message = "The handle is invalid."; break;
    case kErrorGenFailure: message = "A device attached to the system is not functioning."; break;
    case kErrorInvalidParameter: message = "The parameter is incorrect."; break;
    case kErrorTimeout: message = "This operation returned because the timeout period expired."; break;
    default: return QString();
    }
    return QString::fromLatin1(message) + QStringLiteral("\r\n");
}
