#include "link/commands/TemperatureReply.h"

double TemperatureReply::value() const
{
    if (isDigital())
        return n / 16.0;
    if (isAnalog())
        return n / 1280.0;
    return 0;
}

bool TemperatureReply::valid() const { return isValidTemperature(value()); }

bool isValidTemperature(double value) { return value > 0 && value < 100; }

std::optional<TemperatureReply> decodeTemperatureReply(const QByteArray& reply)
{
    if (reply.size() < 3)
        return std::nullopt;
    TemperatureReply r;
    r.letter = static_cast<quint8>(reply.at(0));
    r.n = int(static_cast<quint8>(reply.at(1))) * 256 + static_cast<quint8>(reply.at(2));
    return r;
}

double ParseTemperatureReply(const QByteArray& reply, int hardwareGeneration)
{
    const std::optional<TemperatureReply> r = decodeTemperatureReply(reply);
    if (!r)
        return 0;
    const bool belongs = (r->isDigital() && hardwareGeneration == 2) || (r->isAnalog() && hardwareGeneration == 1);
    return belongs && r->valid() ? r->value() : 0;
}
