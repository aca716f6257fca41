#include "link/port/SerialSettings.h"

#include <QStringList>

namespace {

bool parseParity(const QString& value, SerialParity& parity)
{
    if (value.size() != 1)
        return false;
    switch (value.at(0).toUpper().toLatin1()) {
    case 'N': parity = SerialParity::None; return true;
    case 'E': parity = SerialParity::Even; return true;
    case 'O': parity = SerialParity::Odd; return true;
    case 'M': parity = SerialParity::Mark; return true;
    case 'S': parity = SerialParity::Space; return true;
    default: return false;
    }
}

bool parseStopBits(const QString& value, SerialStopBits& stop)
{
    if (value == QLatin1String("1"))
        stop = SerialStopBits::One;
    else if (value == QLatin1String("1.5"))
        stop = SerialStopBits::OneAndHalf;
    else if (value == QLatin1String("2"))
        stop = SerialStopBits::Two;
    else
        return false;
    return true;
}

} // namespace

bool buildSerialSettings(const QString& text, SerialSettings& settings)
{
    SerialSettings built = settings;
    const QStringList pairs = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (pairs.isEmpty())
        return false;
    for (const QString& pair : pairs) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return false;
        const QString key = pair.left(eq).toLower();
        const QString value = pair.mid(eq + 1);
        bool ok = false;
        if (key == QLatin1String("baud")) {
            const qint32 rate = value.toInt(&ok);
            if (!ok || rate <= 0)
                return false;
            built.baudRate = rate;
        } else if (key == QLatin1String("parity")) {
            if (!parseParity(value, built.parity))
                return false;
        } else if (key == QLatin1String("data")) {
            const int bits = value.toInt(&ok);
            if (!ok || bits < 5 || bits > 8)
                return false;
            built.dataBits = bits;
        } else if (key == QLatin1String("stop")) {
            if (!parseStopBits(value, built.stopBits))
                return false;
        } else {
            return false;
        }
    }
    settings = built;
    return true;
}
