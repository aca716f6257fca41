#include "lib/StageModel.h"

#include <algorithm>
#include <cmath>

double stageEquilibrium(const StageState& stage)
{
    if (stage.cooling)
        return stage.ambient - kFullCoolDrop * std::min(stage.drive, kFullCoolDrive) / kFullCoolDrive;
    return stage.ambient + kFullHeatRise * std::min(stage.drive, kFullHeatDrive) / kFullHeatDrive;
}

void advanceStage(StageState& stage, double seconds)
{
    if (seconds <= 0)
        return;
    const double target = stageEquilibrium(stage);
    stage.temperature = target + (stage.temperature - target) * std::exp(-seconds / kStageTimeConstantS);
}

void advanceStageTo(StageState& stage, StageState::Time now)
{
    if (stage.updatedAt)
        advanceStage(stage, std::chrono::duration<double>(now - *stage.updatedAt).count());
    stage.updatedAt = now;
}

StageController stageController(const StageState& stage, int serialNumber)
{
    if (stage.controller)
        return *stage.controller;
    return serialNumber < kFirstSecondGenerationSerial ? StageController::Analog : StageController::Digital;
}

QByteArray stageReading(const StageState& stage, StageController controller)
{
    const bool analog = controller == StageController::Analog;
    const double units = analog ? (stage.temperature - kAnalogSensorOffset) / kAnalogSensorSlope * 1280.0
                                : stage.temperature * 16.0;
    const int n = static_cast<int>(std::clamp(std::lround(units), 0L, 65535L));
    QByteArray reply;
    reply += analog ? 't' : 'T';
    reply += static_cast<char>(n >> 8);
    reply += static_cast<char>(n & 0xFF);
    return reply;
}
