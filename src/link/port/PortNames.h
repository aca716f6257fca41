#pragma once

#include <QString>

// The device name a port is opened by: "COM" and its number.
QString comDeviceName(int port);

// A port's line settings text: "baud=" and the rate, then " parity=N data=8 stop=1".
QString lineSettingsText(int baudRate);
