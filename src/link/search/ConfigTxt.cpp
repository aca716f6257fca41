#include "link/search/ConfigTxt.h"

#include "core/TextFile.h"

QStringList configTxtLines(const ConfigTxtBoxes& boxes, const CameraBoxes& camera)
{
    const auto line = [](const char* key, const QString& text) {
        return QLatin1Char('"') + QLatin1String(key) + text + QLatin1Char('"');
    };
    return {
        line("COM=", boxes.txtcom),
        line("TX_TRANSMIT=", camera.txtprogram),
        line("GAIN=", camera.txt_gain),
        line("EXPOSURE=", camera.txt_exposure),
        line("LED=", boxes.txt_led),
        line("ACQLAPSE=", boxes.txtlapse),
        line("WELLFORMAT=", boxes.cmb_well),
        line("SET_TEMP=", boxes.txttemp),
    };
}

bool WriteConfigTxt(const ProgramFolder& folder, const ConfigTxtBoxes& boxes, const CameraBoxes& camera)
{
    return writeTextFile(folder.path(QStringLiteral("config.txt")), configTxtLines(boxes, camera));
}
