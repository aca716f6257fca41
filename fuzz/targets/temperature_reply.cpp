// The temperature reply decoder, for both hardware generations.
#include "FuzzFolder.h"

#include "link/commands/TemperatureReply.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray reply = inputBytes(data, size);
    if (const auto r = decodeTemperatureReply(reply)) {
        check(r->n >= 0 && r->n <= 65535, "raw value out of its two bytes");
        if (r->valid())
            check(std::isfinite(r->value()), "valid reply not finite");
    }
    for (const int generation : {1, 2}) {
        const double t = ParseTemperatureReply(reply, generation);
        check(std::isfinite(t), "temperature not finite");
        check(t == 0 || isValidTemperature(t), "an invalid temperature taken");
    }
    return 0;
}
