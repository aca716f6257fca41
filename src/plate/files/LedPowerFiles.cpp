#include "plate/files/LedPowerFiles.h"

#include "core/Console.h"
#include "core/Globals.h"
#include "link/commands/LedPowerCommands.h"
#include "link/protocol/SendSteps.h"

#include <vector>

namespace {

constexpr int kPowerFileFields = 2; // LED, power

} // namespace

int SendAllLedPowersFromFile(LinkContext& ctx, const QString& ledPowerPath)
{
    if (isDummyMode(ctx.globals))
        return 0;
    const std::optional<LedRows> pairs = readLedRows(ledPowerPath, kPowerFileFields, 0);
    if (!pairs)
        return 0;
    // Refused once: a closed port would otherwise be refused for every pair and
    // the refusal hidden under the last "setting led=".
    if (!requirePortOpen(ctx))
        return 0;
    int sent = 0;
    for (const std::vector<int>& pair : pairs->rows) {
        if (SendLedPowerRetry(ctx, pair[0], pair[1]).sends > 0)
            ++sent;
        ctx.console.setStatus(QStringLiteral("setting led=") + QString::number(pair[0]));
    }
    return sent;
}

int SendCameraLedPowersFromFile(LinkContext& ctx, const int& runState, const QString& ledPowerPath,
                                const LedValues& ledCamera, int camera)
{
    if (runState != 1 || isDummyMode(ctx.globals))
        return 0;
    const std::optional<LedRows> pairs = readLedRows(ledPowerPath, kPowerFileFields, 0);
    if (!pairs)
        return 0;
    int sent = 0;
    for (const std::vector<int>& pair : pairs->rows) {
        // The run may have been stopped while the last pair was sent.
        if (runState == 0)
            break;
        if (ledCamera[static_cast<size_t>(pair[0])] != camera)
            continue;
        if (SendLedPowerRetry(ctx, pair[0], pair[1]).sends > 0)
            ++sent;
    }
    return sent;
}
