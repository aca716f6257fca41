#pragma once

#include "lib/FlashImage.h"

// The flash of a simulated unit as it leaves the factory: the headers and
// every calibration section the program reads at its first start, as the
// program's flash layout arranges them. The well tables are the program's
// default ones, which put the wells where SimPlate::standard() has them; the
// LED rectangles are where the LEDs of the serial number's generation shine
// in the default camera window; the temperature factors are the defaults,
// the internal-reference factors neutral (100) and no blank is measured
// (0, lapse 30).
FlashImage simFactoryFlashImage(int serialNumber);
