#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// The program folder and the folders the program keeps under it. Names are
// created with the case given here and an existing entry is found whatever its
// case ("config_SN12" and "config_sn12" are one folder).
class ProgramFolder {
public:
    explicit ProgramFolder(QString root);

    // The folder of the executable.
    static ProgramFolder besideExecutable();

    const QString& root() const { return root_; }

    // An entry below the root, "/"-separated; existing components keep their case on disk.
    QString path(const QString& relative) const;

    QString configFolder() const { return path(QStringLiteral("config")); }
    QString reportsFolder() const { return path(QStringLiteral("reports")); }
    QString portsFolder() const { return path(QStringLiteral("ports")); }

    // "config_SN" and the serial number, or "config" for serial number 0.
    static QString unitFolderName(int serialNumber);
    QString unitFolder(int serialNumber) const { return path(unitFolderName(serialNumber)); }

    // reports/_internal_reference and reports/_internal_blank_measurement, each
    // followed by "SN" and the serial number when it is 1 or more.
    QString internalReferenceFolder(int serialNumber) const;
    QString blankMeasurementFolder(int serialNumber) const;

private:
    QString root_;
};

// An absolute path whose existing components are found without regard to case;
// missing components are kept as written.
QString resolvePathIgnoringCase(const QString& absolutePath);

// DOS wildcard match: "*" any run of characters, "?" one character; case ignored.
bool matchesDosPattern(const QString& pattern, const QString& name);

// Names of the entries of a folder matching a DOS pattern, sorted by name
// without regard to case. `filters` picks files, folders or both.
QStringList listFolder(const QString& folder, const QString& pattern = QStringLiteral("*"),
                       QDir::Filters filters = QDir::Files | QDir::Dirs);

// Creates a folder (and its parents) unless one of that name exists in any case.
bool makeFolder(const QString& absolutePath);
