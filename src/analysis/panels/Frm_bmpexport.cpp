#include "analysis/panels/Frm_bmpexport.h"

#include "analysis/AnalysisFileErrors.h"
#include "analysis/chemotaxis/ChemotaxisProcessing.h"
#include "analysis/panels/SequencePicture.h"
#include "analysis/sequence/ChemotaxisPictures.h"
#include "analysis/sequence/RawExport.h"
#include "analysis/sequence/SequenceImages.h"
#include "analysis/sequence/SequenceWells.h"
#include "core/Clock.h"
#include "core/DesktopOpener.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Prompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kFrameLeftTwips = 3360;
constexpr int kFrameTopTwips = 5040;
constexpr QSize kPageSize{464, 600};
constexpr QSize kOptionFrameSize{232, 72};

// A box's number: text that is not a number counts as 0.
qint32 boxValue(const QLineEdit* box)
{
    const double v = textValue(box->text());
    return v >= 2147483647.0 ? 2147483647 : (v <= -2147483648.0 ? qint32(-2147483647 - 1) : qint32(v));
}

QFrame* line(QWidget* parent, QFrame::Shape shape, QRect where)
{
    auto* l = new QFrame(parent);
    l->setFrameShape(shape);
    l->setGeometry(where);
    return l;
}

} // namespace

Frm_bmpexport::Frm_bmpexport(BmpExportContext context, QWidget* parent) : QWidget(parent), ctx_(std::move(context))
{
    buildControls();
    Form_Load();
}

Frm_bmpexport::~Frm_bmpexport() = default;

void Frm_bmpexport::buildControls()
{
    setObjectName(QStringLiteral("Frm_bmpexport"));
    setWindowTitle(QStringLiteral("BMP_export"));
    setFixedSize(kPageSize);

    Label3 = new QLabel(QStringLiteral("WELL:"), this);
    Label3->setGeometry(8, 10, 40, 20);
    cmb_well = new QComboBox(this);
    cmb_well->setObjectName(QStringLiteral("cmb_well"));
    cmb_well->setEditable(true);
    cmb_well->setInsertPolicy(QComboBox::NoInsert);
    cmb_well->setEditText(QStringLiteral("A1"));
    cmb_well->setGeometry(50, 8, 64, 24);
    Label3->setBuddy(cmb_well);
    cmd_loop = new QPushButton(QStringLiteral("Play"), this);
    cmd_loop->setGeometry(120, 8, 56, 24);
    cmd_menos = new QPushButton(QStringLiteral("<<"), this);
    cmd_menos->setGeometry(180, 8, 32, 24);
    txt_cframe = new QLineEdit(QStringLiteral("1"), this);
    txt_cframe->setGeometry(216, 8, 52, 24);
    Label6 = new QLabel(QStringLiteral("/"), this);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setGeometry(268, 8, 12, 24);
    txt_frame = new QLineEdit(QStringLiteral("10"), this);
    txt_frame->setGeometry(280, 8, 52, 24);
    cmd_mas = new QPushButton(QStringLiteral(">>"), this);
    cmd_mas->setGeometry(336, 8, 32, 24);
    txt_formatowell = new QLineEdit(QStringLiteral("w96f"), this);
    txt_formatowell->setGeometry(376, 8, 48, 24);
    txt_formatowell->hide();

    wellpicture = new SequencePicture(this, kWellPictureSize);
    wellpicture->move(8, 40);

    cmd_process = new QPushButton(QStringLiteral("Process Files"), this);
    cmd_process->setGeometry(224, 40, 128, 28);
    chk_3point = new QCheckBox(QStringLiteral("3 point Moving Avrg"), this);
    chk_3point->setGeometry(224, 76, 232, 20);
    chk_grey = new QCheckBox(QStringLiteral("grey_back"), this);
    chk_grey->setChecked(true);
    chk_grey->setGeometry(224, 100, 232, 20);
    chk_redcross = new QCheckBox(QStringLiteral("red_cross"), this);
    chk_redcross->setChecked(true);
    chk_redcross->setGeometry(224, 124, 232, 20);
    Label5 = new QLabel(
        QStringLiteral("CI = A - B / (A + B) where A is spot location. CI positive=atractant, CI negative= repelent"),
        this);
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5->setGeometry(224, 156, 232, 96);

    Label2 = new QLabel(QStringLiteral("Chemotaxis Index"), this);
    Label2->setGeometry(224, 304, 112, 24);
    cmb_analysis = new QComboBox(this);
    cmb_analysis->setObjectName(QStringLiteral("cmb_analysis"));
    cmb_analysis->setGeometry(336, 304, 120, 24);
    Label2->setBuddy(cmb_analysis);

    frame_2sides = new QFrame(this);
    frame_2sides->setObjectName(QStringLiteral("frame_2sides"));
    frame_2sides->setFrameShape(QFrame::Box);
    frame_2sides->resize(kOptionFrameSize);
    frame_4sides = new QFrame(this);
    frame_4sides->setObjectName(QStringLiteral("frame_4sides"));
    frame_4sides->setFrameShape(QFrame::Box);
    frame_4sides->resize(kOptionFrameSize);
    sidesGroup = new QButtonGroup(this);
    quadrantsGroup = new QButtonGroup(this);
    const std::array<QString, 7> captions{QString(),           QStringLiteral("X.Right"), QStringLiteral("X.Left"),
                                          QStringLiteral("Y.Top"), QStringLiteral("Y.Bottom"), QStringLiteral("QLeft"),
                                          QStringLiteral("Qright")};
    const std::array<QPoint, 7> places{QPoint(), QPoint(8, 10), QPoint(120, 10), QPoint(8, 40), QPoint(120, 40),
                                       QPoint(8, 40), QPoint(8, 10)};
    for (int i = 1; i <= 6; ++i) {
        QFrame* panel = i <= 4 ? frame_2sides : frame_4sides;
        auto* option = new QRadioButton(captions[size_t(i)], panel);
        option->setObjectName(QStringLiteral("option_axis%1").arg(i));
        option->move(places[size_t(i)]);
        (i <= 4 ? sidesGroup : quadrantsGroup)->addButton(option, i);
        option_axis[size_t(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] { option_axis_Click(i); });
    }
    option_axis[1]->setChecked(true);
    // The quadrants drawn beside their options.
    auto* well = new QFrame(frame_4sides);
    well->setFrameShape(QFrame::Box);
    well->setGeometry(150, 8, 56, 56);
    line(frame_4sides, QFrame::HLine, QRect(150, 35, 56, 2));
    line(frame_4sides, QFrame::VLine, QRect(177, 8, 2, 56));
    frame_4sides->hide();

    Picture_progress = new SequencePicture(this, kProgressPictureSize);
    Picture_progress->move(8, 416);
    Picture_progress2 = new SequencePicture(this, kProgressPictureSize);
    Picture_progress2->move(8, 416);
    Picture_progress2->hide();

    lbl_name = new QLabel(QStringLiteral("Project"), this);
    lbl_name->setGeometry(8, 572, 448, 20);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);

    menuBar = new QMenuBar(this);
    mn_advanced = menuBar->addMenu(QStringLiteral("Advanced"));
    mn_advanced->setObjectName(QStringLiteral("mn_advanced"));
    mn_export_rawbmp = mn_advanced->addAction(QStringLiteral("Export Raw files"));
    mn_export_rawbmp->setObjectName(QStringLiteral("mn_export_rawbmp"));
    mn_advanced->menuAction()->setVisible(false);
    menuBar->hide(); // no menu of the page is shown

    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(cmb_well, &QComboBox::activated, this, [this] { cmb_well_Click(); });
    connect(cmb_analysis, &QComboBox::activated, this, [this] { cmb_analysis_Click(); });
    connect(chk_3point, &QCheckBox::clicked, this, [this] { chk_3point_Click(); });
    connect(cmd_loop, &QPushButton::clicked, this, [this] { cmd_loop_Click(); });
    connect(cmd_mas, &QPushButton::clicked, this, [this] { cmd_mas_Click(); });
    connect(cmd_menos, &QPushButton::clicked, this, [this] { cmd_menos_Click(); });
    connect(cmd_process, &QPushButton::clicked, this, [this] { cmd_process_Click(); });
    connect(mn_export_rawbmp, &QAction::triggered, this, [this] { mn_export_rawbmp_Click(); });
}

void Frm_bmpexport::Form_Load()
{
    pageRunFolder_ = ctx_.globals.runFolder;
    playActive = false;
    cmd_loop->setText(QStringLiteral("Play"));
    cmb_well->setEditText(QStringLiteral("A1"));

    // Unticked at load: the 1-scan folder is the one listed.
    txt_frame->setText(QString::number(lastFrameNumber(imagesFolder(), QStringLiteral("A1"))));

    PlaceAnalysisFrames();
    cmb_analysis->clear();
    cmb_analysis->addItems({QStringLiteral("2 Sides"), QStringLiteral("Quadrant")});
    cmb_analysis->setCurrentIndex(0);
    cmb_analysis_Click();

    processBusy = 0;
    cmd_process->setText(QStringLiteral("Process Files"));
    cmb_well_Click();

    lbl_name->setText(pageRunFolder_);
    lbl_name->repaint();
}

void Frm_bmpexport::PlaceAnalysisFrames()
{
    const QPoint at(kFrameLeftTwips / kTwipsPerPixel, kFrameTopTwips / kTwipsPerPixel);
    frame_2sides->move(at);
    frame_4sides->move(at);
}

QString Frm_bmpexport::imagesFolder() const
{
    return sequenceImagesFolder(pageRunFolder_, chk_3point->isChecked());
}

OptionSelection Frm_bmpexport::optionSelection() const
{
    OptionSelection selected{};
    for (int i = 1; i <= 6; ++i)
        selected[size_t(i)] = option_axis[size_t(i)]->isChecked();
    return selected;
}

QString Frm_bmpexport::selectedIndexName() const
{
    return chemotaxisIndexName(cmb_analysis->currentIndex(), optionSelection());
}

bool Frm_bmpexport::showFrame(qint32 frame)
{
    const QString path = existingImage(imagesFolder(), frameImageName(cmb_well->currentText(), frame));
    return !path.isEmpty() && wellpicture->load(path);
}

bool Frm_bmpexport::showIndexPlot(const QString& indexName)
{
    const QString path = existingImage(imagesFolder(), indexPlotName(indexName, cmb_well->currentText()));
    return !path.isEmpty() && Picture_progress->load(path);
}

void Frm_bmpexport::Timer1_Timer()
{
    Timer1->stop();
    const QStringList wells = sequenceWellList(txt_formatowell->text());
    cmb_well->clear();
    cmb_well->addItems(wells);
    cmb_well->setEditText(QStringLiteral("A1"));
    cmb_well->repaint();
}

void Frm_bmpexport::cmb_well_Click()
{
    wellpicture->clearAll();
    Picture_progress->clearAll();
    txt_cframe->setText(QStringLiteral("1"));
    // A well without frame images shows no index plot either.
    const QString indexName = showFrame(1) ? selectedIndexName() : QString();
    showIndexPlot(indexName);
}

void Frm_bmpexport::cmb_analysis_Click()
{
    const bool sides = cmb_analysis->currentIndex() == 0;
    frame_2sides->setVisible(sides);
    frame_4sides->setVisible(!sides);
    const int option = sides ? 1 : 5;
    option_axis[size_t(option)]->setChecked(true);
    option_axis_Click(option);
}

void Frm_bmpexport::option_axis_Click(int)
{
    showIndexPlot(selectedIndexName()); // a missing plot leaves the picture as it is
}

void Frm_bmpexport::chk_3point_Click()
{
    if (chk_3point->isChecked())
        ctx_.prompts.message(QStringLiteral("It is reccomended > 3h acquisition to use this setup"));
}

void Frm_bmpexport::cmd_loop_Click()
{
    if (playActive) {
        playActive = false; // the running loop ends at its next check
        return;
    }
    wellpicture->clearAll();
    qint32 n = 0;
    playActive = true;
    cmd_loop->setText(QStringLiteral("Stop"));
    while (playActive && n <= boxValue(txt_frame)) {
        txt_cframe->setText(QString::number(n));
        if (showFrame(n)) {
            ctx_.clock.processEvents();
            ctx_.clock.sleepMs(100);
        }
        if (n == 2147483647)
            break;
        ++n;
    }
    playActive = false;
    cmd_loop->setText(QStringLiteral("Play"));
}

void Frm_bmpexport::cmd_mas_Click()
{
    const qint32 current = boxValue(txt_cframe);
    if (boxValue(txt_frame) <= current)
        return;
    wellpicture->clearAll();
    txt_cframe->setText(QString::number(current + 1));
    showFrame(current + 1);
}

void Frm_bmpexport::cmd_menos_Click()
{
    const qint32 current = boxValue(txt_cframe);
    if (current < 1)
        return;
    wellpicture->clearAll();
    txt_cframe->setText(QString::number(current - 1));
    showFrame(current - 1);
}

void Frm_bmpexport::mn_export_rawbmp_Click()
{
    const RawExportResult result = exportRawSamples(pageRunFolder_);
    if (result == RawExportResult::WriteFailed)
        ctx_.prompts.message(analysisWriteError(QStringLiteral("error file"),
                                                QDir(rawExportFolder(pageRunFolder_)).filePath(QStringLiteral("1.csv"))));
    if (result != RawExportResult::Written)
        return;
    ctx_.prompts.message(QStringLiteral("done"));
    ctx_.opener.open(rawExportFolder(pageRunFolder_) + QLatin1Char('/'));
}

void Frm_bmpexport::closeEvent(QCloseEvent* event)
{
    // Loops running inside a click end at their next check.
    playActive = false;
    processBusy = 0;
    Timer1->stop();
    unloaded_ = true;
    QWidget::closeEvent(event);
}

void Frm_bmpexport::cmd_process_Click()
{
    if (processBusy != 0) {
        processBusy = 0; // the running processing stops at its next check
        cmd_process->setText(QStringLiteral("Process Files"));
        return;
    }
    processBusy = -1;
    cmd_process->setText(QStringLiteral("Stop processing"));
    Picture_progress->clearAll();
    wellpicture->clearAll();
    wellpicture->repaint();

    ChemotaxisSettings settings;
    settings.runFolder = ctx_.globals.runFolder;
    settings.formatCode = txt_formatowell->text();
    settings.fileType = ctx_.reportFileType ? ctx_.reportFileType() : QStringLiteral(".csv");
    settings.divider = ctx_.reportDivider ? ctx_.reportDivider() : systemListSeparator();
    settings.threePoint = chk_3point->isChecked();
    settings.analysisIndex = cmb_analysis->currentIndex();
    settings.options = optionSelection();
    settings.grey = chk_grey->isChecked();
    settings.redCross = chk_redcross->isChecked();
    settings.decimalSeparator = systemDecimalSeparator();
    settings.locale = QLocale();

    ChemotaxisView view{wellpicture->canvas(),
                        Picture_progress->canvas(),
                        Picture_progress2->canvas(),
                        [this] { return processBusy == -1; },
                        [this](const QString& well) { cmb_well->setEditText(well); },
                        [this](qint32 n) { txt_frame->setText(QString::number(n)); },
                        [this](qint32 n) { txt_cframe->setText(QString::number(n)); },
                        [this] {
                            wellpicture->refresh();
                            Picture_progress->refresh();
                            Picture_progress2->refresh();
                        }};
    ChemotaxisServices services{ctx_.clock, ctx_.prompts, ctx_.opener, ctx_.freeSpace};
    processChemotaxis(settings, view, services);

    cmd_process->setText(QStringLiteral("Process Files"));
    processBusy = 0;
}
