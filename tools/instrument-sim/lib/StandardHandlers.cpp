#include "lib/CommandRegistry.h"

// Each command family lives in its own file; adding one is a file and a line here.
void registerSerialNumberHandler(CommandRegistry& registry);
void registerEchoHandlers(CommandRegistry& registry);
void registerTemperatureHandler(CommandRegistry& registry);
void registerCameraHandlers(CommandRegistry& registry);
void registerFrameHandlers(CommandRegistry& registry);
void registerLedPowerHandlers(CommandRegistry& registry);
void registerFlashHandlers(CommandRegistry& registry);
void registerUnframedHandlers(CommandRegistry& registry);
void registerPixelMaskHandlers(CommandRegistry& registry);
void registerSensorHandlers(CommandRegistry& registry);

void registerStandardHandlers(CommandRegistry& registry)
{
    registerEchoHandlers(registry);
    registerCameraHandlers(registry);
    registerFrameHandlers(registry); // after the camera handlers: frames share their "C"
    registerLedPowerHandlers(registry);
    registerSerialNumberHandler(registry);
    registerTemperatureHandler(registry);
    registerFlashHandlers(registry);
    registerUnframedHandlers(registry);
    registerPixelMaskHandlers(registry); // after the flash handlers: shares their unframed "F"
    registerSensorHandlers(registry);
}
