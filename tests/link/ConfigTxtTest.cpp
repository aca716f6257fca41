#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"
#include "link/search/ConfigTxt.h"

#include <gtest/gtest.h>

namespace {

TEST(ConfigTxt, EightQuotedLinesReplacingAnyEarlierFile)
{
    TempProgramFolder tmp;
    const QString path = tmp.path("config.txt");
    ASSERT_TRUE(writeBytes(path, QByteArray(2000, 'x')));

    ConfigTxtBoxes boxes; // designer texts
    CameraBoxes camera = CameraBoxes::mainWindow();
    ASSERT_TRUE(WriteConfigTxt(tmp.folder(), boxes, camera));
    EXPECT_EQ(fileBytes(path), QByteArray("\"COM=3\"\r\n\"TX_TRANSMIT=1\"\r\n\"GAIN=15\"\r\n\"EXPOSURE=23\"\r\n"
                                          "\"LED=3\"\r\n\"ACQLAPSE=30\"\r\n\"WELLFORMAT=\"\r\n\"SET_TEMP=\"\r\n"));

    boxes.txtcom = "4";
    camera.txtprogram = "+";
    camera.txt_gain = "20";
    camera.txt_exposure = "140";
    boxes.txt_led = "8";
    boxes.txtlapse = "1440";
    boxes.cmb_well = "w24";
    boxes.txttemp = "37";
    ASSERT_TRUE(WriteConfigTxt(tmp.folder(), boxes, camera));
    EXPECT_EQ(fileBytes(path), QByteArray("\"COM=4\"\r\n\"TX_TRANSMIT=+\"\r\n\"GAIN=20\"\r\n\"EXPOSURE=140\"\r\n"
                                          "\"LED=8\"\r\n\"ACQLAPSE=1440\"\r\n\"WELLFORMAT=w24\"\r\n\"SET_TEMP=37\"\r\n"));
}

} // namespace
