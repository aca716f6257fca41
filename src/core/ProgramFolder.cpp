#include "core/ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

ProgramFolder::ProgramFolder(QString root) : root_(QDir::cleanPath(std::move(root))) {}

ProgramFolder ProgramFolder::besideExecutable()
{
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::path(const QString& relative) const
{
    if (relative.isEmpty())
        return root_;
    return resolvePathIgnoringCase(root_ + QLatin1Char('/') + relative);
}

QString ProgramFolder::unitFolderName(int serialNumber)
{
    return serialNumber >= 1 ? QStringLiteral("config_SN%1").arg(serialNumber) : QStringLiteral("config");
}

static QString withSerial(const QString& name, int serialNumber)
{
    return serialNumber >= 1 ? name + QStringLiteral("SN%1").arg(serialNumber) : name;
}

QString ProgramFolder::internalReferenceFolder(int serialNumber) const
{
    return path(QStringLiteral("reports/") + withSerial(QStringLiteral("_internal_reference"), serialNumber));
}

QString ProgramFolder::blankMeasurementFolder(int serialNumber) const
{
    return path(QStringLiteral("reports/") +
                withSerial(QStringLiteral("_internal_blank_measurement"), serialNumber));
}

QString resolvePathIgnoringCase(const QString& absolutePath)
{
    const QString clean = QDir::cleanPath(absolutePath);
    if (QFileInfo::exists(clean))
        return clean;
    const QStringList parts = clean.split(QLatin1Char('/'));
    QString current = parts.first().isEmpty() ? QStringLiteral("/") : parts.first();
    bool onDisk = true;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        if (part.isEmpty())
            continue;
        QString name = part;
        if (onDisk) {
            const QString exact = current + (current.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + part;
            if (!QFileInfo::exists(exact)) {
                const QStringList entries =
                    QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
                const auto it = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
                    return e.compare(part, Qt::CaseInsensitive) == 0;
                });
                if (it != entries.end())
                    name = *it;
                else
                    onDisk = false;
            }
        }
        if (!current.endsWith(QLatin1Char('/')))
            current += QLatin1Char('/');
        current += name;
    }
    return current;
}

bool matchesDosPattern(const QString& pattern, const QString& name)
{
    // Iterative wildcard match with backtracking to the last '*'.
    qsizetype p = 0, n = 0, star = -1, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern.at(p) == QLatin1Char('?') ||
                                   pattern.at(p).toLower() == name.at(n).toLower())) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern.at(p) == QLatin1Char('*')) {
            star = p++;
            mark = n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == QLatin1Char('*'))
        ++p;
    if (p < pattern.size() && pattern.mid(p) == QStringLiteral(".*"))
        return true; // "name.*" also matches a name without an extension
    return p == pattern.size();
}

QStringList listFolder(const QString& folder, const QString& pattern, QDir::Filters filters)
{
    QStringList names;
    const QDir dir(resolvePathIgnoringCase(folder));
    for (const QString& e : dir.entryList(filters | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (matchesDosPattern(pattern, e))
            names << e;
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

bool makeFolder(const QString& absolutePath)
{
    const QString resolved = resolvePathIgnoringCase(absolutePath);
    if (QFileInfo(resolved).isDir())
        return true;
    return QDir().mkpath(resolved);
}
