#include "advanced/panels/Frm_advance.h"

#include "advanced/AdvancedCameraCommands.h"
#include "advanced/AdvancedIdentityCommands.h"
#include "advanced/AdvancedLedPower.h"
#include "advanced/AdvancedPageControls.h"
#include "advanced/AdvancedPageLayout.h"
#include "advanced/AdvancedPixelSets.h"
#include "advanced/panels/PageWidgets.h"
#include "advanced/panels/SelectionIndicator.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "flash/PixelMaskUpload.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ExchangeScope.h"
#include "link/protocol/LinkContext.h"
#include "plate/panels/Frame_select.h"
#include "ui/PictureBox.h"
#include "ui/WheelNeedsFocus.h"
#include "ui/WidgetConsole.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>

namespace {

using pagewidgets::button;
using pagewidgets::named;

// The page's text is never smaller than at the smallest arrangement.
constexpr int kSmallestFontPixels = 9;

void place(QWidget* widget, const PagePlace& p)
{
    const int width = p.width < 0 ? widget->width() : p.width;
    const int height = p.height < 0 ? widget->sizeHint().height() : p.height;
    // The page sizes its controls itself, pictures included.
    widget->setMinimumSize(0, 0);
    widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    widget->setGeometry(p.left, p.top, width, height);
}

} // namespace

Frm_advance::Frm_advance(AdvanceContext context, QWidget* parent) : QWidget(parent), ctx_(std::move(context))
{
    setObjectName(QStringLiteral("Frm_advance"));
    setWindowTitle(QStringLiteral("Acquisition Page"));
    setAutoFillBackground(true);

    Shape5 = named<QFrame>(this, "Shape5");
    Shape5->setStyleSheet(QStringLiteral("#Shape5 { background: white; border: 4px solid black; }"));
    Line5 = named<QFrame>(this, "Line5");
    Line5->setStyleSheet(QStringLiteral("#Line5 { background: black; }"));

    lbl_status = named<QLabel>(this, "lbl_status", QStringLiteral("Status:"));
    txt_status = named<QLineEdit>(this, "txt_status");
    txt_status->setReadOnly(true);
    txt_timepass = named<QLineEdit>(this, "txt_timepass", QStringLiteral("00:00"));
    txt_in = named<QPlainTextEdit>(this, "txt_in");
    txt_in->setReadOnly(true);
    lbl_lenrx = named<QLabel>(this, "lbl_lenrx", QStringLiteral("Len(Rx) = 0"));
    lblrx = named<QLabel>(this, "lblrx", QStringLiteral("Rx"));
    lblrx->hide();
    console_ = std::make_unique<WidgetConsole>(txt_status, txt_in, lbl_lenrx);

    frame_main = named<QFrame>(this, "frame_main");
    Picact2 = named<PictureBox>(frame_main, "Picact2");
    Picact = named<PictureBox>(frame_main, "Picact");
    Picrealtime = named<PictureBox>(frame_main, "Picrealtime");
    Picrealtime->setStyleSheet(QStringLiteral("#Picrealtime { border: 1px solid black; }"));
    framePicture = std::make_unique<FramePicture>(Picact->canvas(), boxes, frameImage);
    // The rectangle mode of the pixel sets takes a press and a release on the picture.
    connect(Picact, &PictureBox::mousePressed, this, [this](Qt::MouseButton, double x, double y) {
        dragStart_ = QPointF(x, y);
    });
    connect(Picact, &PictureBox::mouseReleased, this, [this](Qt::MouseButton, double x, double y) {
        if (dragStart_ && frameSelect)
            advanced::takePixelSetDrag(frameSelect->selection, *dragStart_, QPointF(x, y));
        dragStart_.reset();
    });

    cmd_menu = button(this, "cmd_menu", QStringLiteral("Close"));
    connect(cmd_menu, &QPushButton::clicked, this, [this] { cmd_menu_Click(); });

    frame_advanced = named<QGroupBox>(this, "frame_advanced", QStringLiteral("Advanced parameters"));
    auto* scroll = new QScrollArea(frame_advanced);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(buildDeviceControls());
    auto* frameLayout = new QVBoxLayout(frame_advanced);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->addWidget(scroll);
    // Where the panel must scroll (the smallest arrangements), turning the
    // wheel over "led power:" scrolls it and leaves the power as it was.
    wheelNeedsFocusWithin(frame_advanced);

    buildMenus();
    Form_Load();
    resize(1280, 800);

    // The button shows the port as it is: closed by the main window's closing, or lost.
    showPortCaption();
    if (ctx_.comm)
        portWatch_ = ctx_.comm->watchPortInUse([this](PortInUseChange) { showPortCaption(); });
}

Frm_advance::~Frm_advance()
{
    if (ctx_.comm)
        ctx_.comm->unwatchPortInUse(portWatch_);
}

void Frm_advance::showPortCaption()
{
    portControls.cmdopen = advancedPortCaption(ctx_.globals);
    cmdopen->setText(portControls.cmdopen);
}

QLineEdit* Frm_advance::boundBox(QWidget* parent, const char* name, QString& text)
{
    auto* box = named<QLineEdit>(parent, name, text);
    box->setMaximumWidth(44);
    bound_[box] = &text;
    connect(box, &QLineEdit::textChanged, this, [&text](const QString& now) { text = now; });
    return box;
}

void Frm_advance::showBoxes()
{
    for (auto& [box, text] : bound_) {
        if (box->text() != *text)
            box->setText(*text);
    }
}

QWidget* Frm_advance::buildDeviceControls()
{
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(1);
    int row = 0;
    const ControlLine line = [&](std::initializer_list<QWidget*> widgets) {
        auto* h = new QHBoxLayout;
        h->setSpacing(3);
        for (QWidget* w : widgets)
            h->addWidget(w);
        h->addStretch(1);
        grid->addLayout(h, row++, 0);
    };

    // Port and identity.
    cmdopen = button(panel, "cmdopen", portControls.cmdopen);
    txtcom = boundBox(panel, "txtcom", portControls.txtcom);
    chkdummy = named<QCheckBox>(panel, "chkdummy", QStringLiteral("Dummy"));
    line({cmdopen, txtcom, chkdummy});
    cmdsn = button(panel, "cmdsn", QStringLiteral("Get SN"));
    cmd_mnid = button(panel, "cmd_mnid", QStringLiteral("Get ID"));
    cmd_putcamera = button(panel, "cmd_putcamera", QStringLiteral("*"));
    line({cmdsn, cmd_mnid, cmd_putcamera});

    // Camera, light and second sensor.
    cmd_camera = button(panel, "cmd_camera", QStringLiteral("cam"));
    txt_cam = boundBox(panel, "txt_cam", boxes.txt_cam);
    line({cmd_camera, txt_cam});
    Cmd_bluelight = button(panel, "Cmd_bluelight", QStringLiteral("BLUELIGHT(0-7)"));
    txt_blue = named<QLineEdit>(panel, "txt_blue", QStringLiteral("0"));
    txt_blue->setMaximumWidth(56);
    line({Cmd_bluelight, txt_blue});
    cmd_measuretemp2 = button(panel, "cmd_measuretemp2", QStringLiteral("Measure T2"));
    line({cmd_measuretemp2});

    buildConsoleControls(panel, line);
    buildStageControls(panel, line);
    buildLedControls(panel, line);
    buildLedCalibrationControls(panel, line);

    // Camera settings of the page.
    lbl_speed = named<QLabel>(panel, "lbl_speed", QStringLiteral("CAM_speed="));
    txt_speed = boundBox(panel, "txt_speed", boxes.txt_speed);
    cmd_camspeed = button(panel, "cmd_camspeed", QStringLiteral("send"));
    line({lbl_speed, txt_speed, cmd_camspeed});
    txt_exposure = boundBox(panel, "txt_exposure", boxes.txt_exposure);
    cmd_exposure = button(panel, "cmd_exposure", QStringLiteral("send"));
    line({named<QLabel>(panel, "lbl_exposure", QStringLiteral("Exposure")), txt_exposure, cmd_exposure});
    txt_led = named<QComboBox>(panel, "txt_led");
    txt_led->setEditable(true);
    txt_led->setMaximumWidth(56);
    cmd_ledpower = button(panel, "cmd_ledpower", QStringLiteral("Apply"));
    cmd_ledpowerall = button(panel, "cmd_ledpowerall", QStringLiteral("All"));
    line({named<QLabel>(panel, "lbl_ledall", QStringLiteral("led power:")), txt_led});
    line({cmd_ledpower, cmd_ledpowerall});
    txt_xini = boundBox(panel, "txt_xini", boxes.txt_xini);
    txt_xfin = boundBox(panel, "txt_xfin", boxes.txt_xfin);
    txt_yini = boundBox(panel, "txt_yini", boxes.txt_yini);
    txt_yfin = boundBox(panel, "txt_yfin", boxes.txt_yfin);
    cmd_xy = button(panel, "cmd_xy", QStringLiteral(">>"));
    line({txt_xini, txt_xfin, txt_yini, txt_yfin, cmd_xy});
    txt_lines = boundBox(panel, "txt_lines", boxes.txt_lines);
    txt_pix = boundBox(panel, "txt_pix", boxes.txt_pix);
    txt_crc = boundBox(panel, "txt_crc", txtCrc_);
    line({named<QLabel>(panel, "lbl_geometry", QStringLiteral("Lines/Pix/CRC")), txt_lines, txt_pix, txt_crc});

    // The full sensor frame, for reference only.
    txt_n_lines = named<QLineEdit>(panel, "txt_n_lines", QStringLiteral("140"));
    txt_byte_x_line = named<QLineEdit>(panel, "txt_byte_x_line", QStringLiteral("190"));
    txt_len_input = named<QLineEdit>(panel, "txt_len_input", QStringLiteral("140"));
    for (QLineEdit* box : {txt_n_lines, txt_byte_x_line, txt_len_input})
        box->setMaximumWidth(56);
    line({named<QLabel>(panel, "lbl_n_lines", QStringLiteral("TOTAL H LINES = ")), txt_n_lines});
    line({named<QLabel>(panel, "lbl_byte_x_line", QStringLiteral("Bytes per HLINE = ")), txt_byte_x_line});
    line({named<QLabel>(panel, "lbl_len_input", QStringLiteral("Lines x response = ")), txt_len_input});

    // Full frame and video; the frame itself is taken by the full-frame button.
    Command_fullframe = button(panel, "Command_fullframe", fullFrameCaption(false));
    chk_halfpixel = named<QCheckBox>(panel, "chk_halfpixel", QStringLiteral("1/2 size"));
    chk_cross = named<QCheckBox>(panel, "chk_cross", QStringLiteral("Green_CROSS"));
    chk_video = named<QCheckBox>(panel, "chk_video", QStringLiteral("Video_mode"));
    chk_exportbmp = named<QCheckBox>(panel, "chk_exportbmp", QStringLiteral("Export_videoBMP"));
    line({Command_fullframe, chk_halfpixel});
    line({chk_cross, chk_video});
    line({chk_exportbmp});

    // Selection mode and grid overlay.
    Frame8 = named<QFrame>(panel, "Frame8");
    Frame8->setFrameShape(QFrame::Box);
    Frame8->installEventFilter(this);
    Shape_circle_selection = named<SelectionIndicator>(Frame8, "Shape_circle_selection");
    cmdset = button(Frame8, "cmdset", gridOverlay.caption);
    auto* frame8Layout = new QHBoxLayout(Frame8);
    frame8Layout->setContentsMargins(4, 2, 4, 2);
    frame8Layout->addWidget(Shape_circle_selection);
    frame8Layout->addWidget(cmdset);
    frame8Layout->addStretch(1);
    grid->addWidget(Frame8, row++, 0);

    // The pixel sets, on the page's own frame buffer and picture.
    frameSelect = new Frame_select(FrameSelectContext{ctx_.folder, ctx_.prompts, *console_, frameImage, boxes.txt_cam,
                                                      Picact, [this](PixelMask& mask) { sendAppliedMask(mask); },
                                                      ctx_.globals.flashBusy,
                                                      [this] { return framePicture->showsFrame(); }},
                                   panel);
    grid->addWidget(frameSelect, row++, 0);
    grid->setRowStretch(row, 1);

    connect(cmdopen, &QPushButton::clicked, this, [this] { cmdopen_Click(); });
    connect(chkdummy, &QCheckBox::clicked, this, [this] { chkdummy_Click(); });
    connect(cmdsn, &QPushButton::clicked, this, [this] { cmdsn_Click(); });
    connect(cmd_mnid, &QPushButton::clicked, this, [this] { cmd_mnid_Click(); });
    connect(cmd_putcamera, &QPushButton::clicked, this, [this] { cmd_putcamera_Click(); });
    connect(cmd_camera, &QPushButton::clicked, this, [this] { cmd_camera_Click(); });
    connect(Cmd_bluelight, &QPushButton::clicked, this, [this] { Cmd_bluelight_Click(); });
    connect(cmd_measuretemp2, &QPushButton::clicked, this, [this] { cmd_measuretemp2_Click(); });
    connect(cmd_camspeed, &QPushButton::clicked, this, [this] { cmd_camspeed_Click(); });
    connect(cmd_exposure, &QPushButton::clicked, this, [this] { cmd_exposure_Click(); });
    connect(cmd_ledpowerall, &QPushButton::clicked, this, [this] { cmd_ledpowerall_Click(); });
    connect(cmd_ledpower, &QPushButton::clicked, this, [this] { cmd_ledpower_Click(); });
    connect(cmd_xy, &QPushButton::clicked, this, [this] { cmd_xy_Click(); });
    connect(chk_video, &QCheckBox::clicked, this, [this] { chk_video_Click(); });
    connect(Command_fullframe, &QPushButton::clicked, this, [this] { Command_fullframe_Click(); });
    connect(cmdset, &QPushButton::clicked, this, [this] { cmdset_Click(); });
    return panel;
}

std::optional<LinkContext> Frm_advance::link()
{
    // One exchange at a time: clicks wait for the loop's gap (waitsForGap); a timer tick is skipped.
    if (!ctx_.comm || !clickMayRunNow())
        return std::nullopt;
    if (ctx_.comm->guard().busy()) {
        console_->setStatus(kLinkBusyText);
        return std::nullopt;
    }
    return LinkContext{ctx_.globals, *ctx_.comm, ctx_.clock, *console_, ctx_.prompts};
}

bool Frm_advance::clickMayRunNow() const { return exchanges_ == 0 || exchanges_ == gapLevel_; }

bool Frm_advance::waitsForGap(void (Frm_advance::*click)())
{
    if (clickMayRunNow())
        return false;
    queuedClicks_.push_back(click);
    return true;
}

void Frm_advance::runQueuedClicks()
{
    if (exchanges_ == gapLevel_)
        return; // this gap is running them already
    const int outer = gapLevel_;
    gapLevel_ = exchanges_;
    // A click may start a loop of its own; clicks during it wait for its gaps.
    while (!queuedClicks_.empty() && !stopRequested_) {
        const auto click = queuedClicks_.front();
        queuedClicks_.erase(queuedClicks_.begin());
        (this->*click)();
    }
    if (stopRequested_)
        queuedClicks_.clear();
    gapLevel_ = outer;
}

void Frm_advance::sendAppliedMask(PixelMask& mask)
{
    if (std::optional<LinkContext> l = link())
        UploadPixelMask(*l, ctx_.folder, mask, kAppliedPixelMask);
    else
        console_->setStatus(QStringLiteral("Error"));
}

void Frm_advance::Form_Load()
{
    txt_led->clear();
    txt_led->addItems(advancedLedListItems());
    txt_led->setCurrentText(kAdvancedLedDefault);
    frame_advanced->show();
    boxes.txt_speed = advancedCameraSpeed(ctx_.globals.hardwareGeneration);
    showBoxes();
    chkdummy->setChecked(ctx_.globals.dummyMode == 1);
    // The page starts in plain selection; Frame8 switches to the ray search.
    frameSelect->selection.selectionMode = 0;
    frameSelect->show();
    Shape_circle_selection->setFill(selectionIndicatorFill(frameSelect->selection.selectionMode));
}

void Frm_advance::LayoutAdvancedPage()
{
    const PageUnits units = advancedPageUnits(size());
    const std::map<QString, PagePlace> places = ::LayoutAdvancedPage(size());
    followPageFont(advancedPageFontPixels(units));
    // The menu bar sits above the laid-out area.
    const int menuHeight = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, std::max(width(), units.width), menuHeight);
    for (const auto& [name, p] : places) {
        QWidget* widget = findChild<QWidget*>(name);
        if (!widget)
            continue;
        PagePlace at = p;
        if (widget->parentWidget() == this)
            at.top += menuHeight;
        if (name == QLatin1String("Line5"))
            at.height = 4;
        place(widget, at);
    }
    Shape5->lower();
    // The pictures' images follow their boxes; the frame drawn last is drawn again.
    for (PictureBox* picture : {Picact, Picact2, Picrealtime})
        picture->canvas().resize(picture->width(), picture->height());
    fitDeviceControls();
    keepLegible();
    framePicture->ResetFramePicture();
}

void Frm_advance::fitDeviceControls()
{
    // The device controls fill their panel without scrolling: the page's text
    // gets smaller, down to its smallest size, until every row fits.
    auto* scroll = frame_advanced->findChild<QScrollArea*>();
    QWidget* controls = scroll ? scroll->widget() : nullptr;
    if (!controls)
        return;
    for (int pixels = font().pixelSize(); pixels > kSmallestFontPixels; --pixels) {
        frame_advanced->layout()->activate();
        const QSize room = scroll->maximumViewportSize();
        const QSize needed = controls->minimumSizeHint();
        if (needed.height() <= room.height() && needed.width() <= room.width())
            return;
        followPageFont(pixels - 1);
    }
}

void Frm_advance::followPageFont(int pixels)
{
    QFont pageFont = font();
    if (pageFont.pixelSize() == pixels)
        return;
    pageFont.setPixelSize(pixels);
    setFont(pageFont);
    // A button may be as narrow as its caption, so a row fits the narrow panel;
    // a row is as high as its text needs, so every row fits the panel's height.
    for (QPushButton* b : frame_advanced->findChildren<QPushButton*>())
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 10);
    const int rowHeight = QFontMetrics(pageFont).height() + 6;
    for (QWidget* w : frame_advanced->findChildren<QWidget*>()) {
        if (qobject_cast<QPushButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))
            w->setMaximumHeight(rowHeight);
    }
}

void Frm_advance::keepLegible()
{
    // "Close" gets the height its caption needs; the panel below gives way.
    const int closeHeight = cmd_menu->fontMetrics().height() + 4;
    if (cmd_menu->height() < closeHeight) {
        const QRect close = cmd_menu->geometry();
        cmd_menu->setGeometry(close.x(), close.y(), close.width(), closeHeight);
        const QRect panel = frame_advanced->geometry();
        const int below = close.y() + closeHeight + 1;
        if (panel.y() < below)
            frame_advanced->setGeometry(panel.x(), below, panel.width(), panel.height() - (below - panel.y()));
    }
    // The reply box ends inside the page's frame, one text line at least.
    const int frameInside = Shape5->y() + Shape5->height() - 4;
    txt_in->setFixedHeight(std::max(txt_in->fontMetrics().height() + 6, frameInside - txt_in->y() - 2));
}

void Frm_advance::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutAdvancedPage();
}

void Frm_advance::showPage()
{
    stopRequested_ = false;
    frame_advanced->show();
    cmd_menu->show();
    show();
    raise();
    activateWindow();
}

void Frm_advance::cmd_menu_Click()
{
    frame_advanced->hide();
    if (ctx_.showMainWindow)
        ctx_.showMainWindow();
}

void Frm_advance::Form_Unload()
{
    if (ctx_.showMainWindow)
        ctx_.showMainWindow();
}

void Frm_advance::closeEvent(QCloseEvent* event)
{
    // Nothing of the page may run once it is gone: its timer stops now, a
    // running loop ends at its next step, and the page closes after it.
    stopRequested_ = true;
    Timer_peltier->stop();
    if (exchangeRunning()) {
        closePending_ = true;
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

bool Frm_advance::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Frame8 && event->type() == QEvent::MouseButtonPress) {
        Frame8_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Frm_advance::cmdopen_Click()
{
    if (!ctx_.comm)
        return;
    const QString failure = connectAdvancedPort(ctx_.globals, *ctx_.comm, portControls);
    cmdopen->setText(portControls.cmdopen);
    if (!failure.isEmpty())
        console_->setStatus(failure);
    showBoxes();
}

void Frm_advance::chkdummy_Click() { setDummyMode(ctx_.globals, chkdummy->isChecked()); }

void Frm_advance::chk_video_Click()
{
    Command_fullframe->setText(fullFrameCaption(chk_video->isChecked()));
    if (chk_exportbmp->isChecked())
        ensureBmpExportFolder(ctx_.folder);
}

void Frm_advance::Frame8_Click()
{
    Shape_circle_selection->setFill(advanced::switchPixelSetMode(frameSelect->selection));
}

void Frm_advance::cmdset_Click()
{
    toggleGridOverlay(gridOverlay, frameGeometry, Picact->canvas(),
                      ctx_.plateFormat ? ctx_.plateFormat() : QString(), boxes.txt_lines, boxes.txt_pix, txtCrc_);
    cmdset->setText(gridOverlay.caption);
    Picact->update();
}

void Frm_advance::cmdsn_Click()
{
    if (waitsForGap(&Frm_advance::cmdsn_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::queryIdentity(*l, advanced::kSerialNumberLetter);
}

void Frm_advance::cmd_mnid_Click()
{
    if (waitsForGap(&Frm_advance::cmd_mnid_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::queryIdentity(*l, advanced::kInstrumentIdLetter);
}

void Frm_advance::cmd_putcamera_Click()
{
    if (waitsForGap(&Frm_advance::cmd_putcamera_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::putCamera(*l);
}

void Frm_advance::cmd_camera_Click()
{
    if (waitsForGap(&Frm_advance::cmd_camera_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::selectCamera(*l, boxes.txt_cam);
}

void Frm_advance::Cmd_bluelight_Click()
{
    if (waitsForGap(&Frm_advance::Cmd_bluelight_Click))
        return;
    std::optional<LinkContext> l = link();
    if (!l)
        return;
    const advanced::BlueLight light = advanced::sendBlueLight(*l, txt_blue->text());
    txt_blue->setText(light.txt_blue);
    if (light.colour.isValid())
        Cmd_bluelight->setStyleSheet(QStringLiteral("background-color: %1;").arg(light.colour.name()));
}

void Frm_advance::cmd_measuretemp2_Click()
{
    if (waitsForGap(&Frm_advance::cmd_measuretemp2_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::measureSensor2(*l);
}

void Frm_advance::cmd_camspeed_Click()
{
    if (waitsForGap(&Frm_advance::cmd_camspeed_Click))
        return;
    if (std::optional<LinkContext> l = link())
        (void)advanced::sendSpeedBox(boxes, *l); // the sender shows its own outcome
    showBoxes();
}

void Frm_advance::cmd_exposure_Click()
{
    if (waitsForGap(&Frm_advance::cmd_exposure_Click))
        return;
    if (std::optional<LinkContext> l = link())
        (void)advanced::sendExposureBox(boxes, *l); // the sender shows its own outcome
}

void Frm_advance::cmd_ledpowerall_Click()
{
    if (waitsForGap(&Frm_advance::cmd_ledpowerall_Click))
        return;
    if (std::optional<LinkContext> l = link())
        SendAllLedsPowerFromBox(*l, txt_led->currentText());
}

void Frm_advance::cmd_xy_Click()
{
    if (waitsForGap(&Frm_advance::cmd_xy_Click))
        return;
    if (std::optional<LinkContext> l = link())
        (void)advanced::sendWindowBoxes(boxes, *l); // the sender shows its own outcome
    showBoxes();
}
