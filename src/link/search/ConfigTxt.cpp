#include "link/search/ConfigTxt.h"

#include "core/TextFile.h"

QStringList configTxtLines(const ConfigTxtBoxes& boxes)
{
    const auto line = [](const char* key, const QString& text) {
        return QLatin1Char('"') + QLatin1String(key) + text + QLatin1Char('"');
    };
    return {
        line("COM=", boxes.txtcom),
        line("TX_TRANSMIT=", boxes.txtprogram),
        line("GAIN=", boxes.txt_gain),
        line("EXPOSURE=", boxes.txt_exposure),
        line("LED=", boxes.txt_led),
        line("ACQLAPSE=", boxes.txtlapse),
        line("WELLFORMAT=", boxes.cmb_well),
        line("SET_TEMP=", boxes.txttemp),
    };
}

bool WriteConfigTxt(const ProgramFolder& folder, const ConfigTxtBoxes& boxes)
{
    return writeTextFile(folder.path(QStringLiteral("config.txt")), configTxtLines(boxes));
}
