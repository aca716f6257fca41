#pragma once

#include "link/frames/FrameImage.h"
#include "plate/pixelsets/PixelSetSelection.h"

#include <QGroupBox>

#include <functional>

class Console;
class PictureBox;
class ProgramFolder;
class Prompts;
class QComboBox;
class QLabel;
class QPushButton;

// What the pixel-set panel works on; the window that embeds it gives it.
struct FrameSelectContext {
    const ProgramFolder& folder;
    Prompts& prompts;
    Console& console;
    const FrameImage& frameImage; // the window's frame buffer
    const QString& txt_cam;       // the camera whose frame the sets are built from
    PictureBox* picture;          // the frame picture the centre is clicked on and the set drawn on
    std::function<void(PixelMask&)> sendMask0; // writes mask 0's file and sends it to the instrument
    bool& transferBusy;                        // one flag keeps flash transfers and mask uploads apart
    std::function<bool()> showsFrame;          // whether the picture still shows the frame last drawn
};

// The pixel-set panel "Select": sets built by the ray search around the frame
// pixel clicked while the panel is shown, reset, and applied as pixel mask 0.
class Frame_select : public QGroupBox {
    Q_OBJECT
public:
    Frame_select(FrameSelectContext context, QWidget* parent = nullptr);

    QComboBox* cmb_set1 = nullptr;
    QComboBox* cmb_set2 = nullptr;
    QPushButton* cmd_set_select = nullptr;
    QPushButton* cmd_close_frame2 = nullptr;
    QPushButton* cmd_applyset = nullptr;
    QPushButton* cmd_reset_set = nullptr;
    QLabel* lbl_setcentre = nullptr;

    PixelSetSelection selection; // the centre clicked and the mask "Apply to all" builds

    void cmd_set_select_Click();
    void cmd_close_frame2_Click();
    void cmd_applyset_Click();
    void cmd_reset_set_Click();

private:
    void takeCentre(QPointF logical);

    FrameSelectContext ctx_;
};
