#include "analysis/panels/Frrm_offline.h"

#include "analysis/WellActivityLoader.h"
#include "projects/ProjectFolders.h"
#include "reporting/ReportPanelActions.h"
#include "reporting/panels/Frm_report.h"
#include "ui/DesignedPlaces.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

Frrm_offline::Frrm_offline(OfflineContext context, QWidget* parent) : QWidget(parent), ctx_(std::move(context))
{
    setObjectName(QStringLiteral("Frrm_offline"));
    setWindowTitle(QStringLiteral("Saved Data Analysis"));
    buildControls();
    buildHeatMapViews();
}

Frrm_offline::~Frrm_offline() = default;

void Frrm_offline::buildControls()
{
    // Shape5 first, so every other control lies above the white frame.
    Shape5 = new QFrame(this);
    Shape5->setObjectName(QStringLiteral("Shape5"));
    Shape5->setAutoFillBackground(true);
    Shape5->setStyleSheet(QStringLiteral("#Shape5 { background: white; border: 4px solid black; }"));
    Line5 = new QFrame(this);
    Line5->setObjectName(QStringLiteral("Line5"));
    Line5->setStyleSheet(QStringLiteral("#Line5 { background: black; }"));

    lbl_status = new QLabel(QStringLiteral("Status:"), this);
    txt_status = new QLineEdit(this);
    txt_status->setReadOnly(true);
    cmd_closeoffline = new QPushButton(QStringLiteral("<< Back"), this);

    frame_offline = new QFrame(this);
    frame_offline->setFrameShape(QFrame::NoFrame);
    lblback = new QPushButton(QStringLiteral("> Hide subfolders"), frame_offline);
    lblback->setFlat(true);
    lblback->setGeometry(8, 4, 140, 22);
    Listpj = new QListWidget(frame_offline);
    Listpj->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSizeF(9.75);
    Listpj->setFont(fixed);
    Listpj->viewport()->installEventFilter(this);
    cmd_report = new QPushButton(QStringLiteral("Report..."), frame_offline);

    reportPanel = new Frm_report({ctx_.folder, ctx_.clock, ctx_.prompts, ctx_.opener, ctx_.mapPlot}, this);
    reportPanel->runFolder = &ctx_.globals.runFolder;
    reportPanel->serialNumber = &ctx_.globals.serialNumber;
    reportPanel->currentRun = [this]() -> std::optional<ReportRun> {
        if (state.pageRunFolder.isEmpty())
            return std::nullopt;
        return ReportRun{state.run, state.groups, ctx_.globals.runFolder, reportPanel->txt_welltype->text(),
                         ctx_.globals.serialNumber};
    };

    Picreal = new PictureBox(this, 400, 300);
    Picreal->canvas().clear();

    cmd_plotbar = new QPushButton(QStringLiteral("BarPLOT"), this);
    cmd_plotheat = new QPushButton(QStringLiteral("Load HeatMAP"), this);
    frame_heatmap = new QFrame(this);
    frame_heatmap->setFrameShape(QFrame::Box);
    cmd_plotheatsum = new QPushButton(QStringLiteral("[SUM]"), frame_heatmap);
    cmd_plotheatkin = new QPushButton(QStringLiteral("[KINETICS]"), frame_heatmap);
    const QStringList colours{QStringLiteral("B&&W"), QStringLiteral("Grey"), QStringLiteral("Colour")};
    for (int i = 0; i < 3; ++i)
        opt_hetmap_color[static_cast<std::size_t>(i)] = new QRadioButton(colours[i], frame_heatmap);
    opt_hetmap_color[2]->setChecked(true);

    HScroll_time = new QScrollBar(Qt::Horizontal, this);
    lbl_scan = new QLabel(QStringLiteral("Scan[0]: 0m"), this);
    txt_cframe = new QLabel(QStringLiteral("00"), this);
    Label_groupsname = new QLabel(QStringLiteral("Group Names:"), this);
    combogrup = new QListWidget(this);
    combogrup->setToolTip(QStringLiteral("Dblclick to Select"));

    mnrightclickmenu = new QMenu(this);
    mnexplore_folder = mnrightclickmenu->addAction(QStringLiteral("Explore Folder"));
    mnjointrep = mnrightclickmenu->addAction(QStringLiteral("Joint Report"));
    mn_exporta = new QMenu(this);
    bmpexporta = mn_exporta->addAction(QStringLiteral("Export .BMP"));
    bmpexporta_seq = mn_exporta->addAction(QStringLiteral("Export .BMP sequence"));
    bmpexporta_csvseq = mn_exporta->addAction(QStringLiteral("Export %ACTIVITY AREA .csv "));

    connect(cmd_closeoffline, &QPushButton::clicked, this, [this] { cmd_closeoffline_Click(); });
    connect(lblback, &QPushButton::clicked, this, [this] { lblback_Click(); });
    connect(Listpj, &QListWidget::itemDoubleClicked, this, [this] { Listpj_DblClick(); });
    connect(cmd_report, &QPushButton::clicked, this, [this] { cmd_report_Click(); });
    connect(mnexplore_folder, &QAction::triggered, this, [this] { mnexplore_folder_Click(); });
    connect(mnjointrep, &QAction::triggered, this, [this] { mnjointrep_Click(); });
    connect(cmd_plotheat, &QPushButton::clicked, this, [this] { cmd_plotheat_Click(); });
}

void Frrm_offline::showPage()
{
    Form_Load();
    if (ctx_.mainWindow) {
        // The page takes the main window's place, maximised when it is.
        setGeometry(ctx_.mainWindow->geometry());
        setWindowState(ctx_.mainWindow->windowState() & ~Qt::WindowMinimized);
        ctx_.mainWindow->hide();
    }
    show();
    Form_Resize();
}

void Frrm_offline::Form_Load()
{
    state = OfflinePageState{};
    heatMap = HeatMapData{};
    loadRunning = 0;
    drawRunning = 0;
    reportPanel->fillLists(GetListSeparator());
    hideViewControls();
    mn_exporta->menuAction()->setVisible(false);
    state.projectListMode = 0;
    state.projectExpanded.clear();
    ListProjects();
    bmpexporta_csvseq->setVisible(false);
    bmpexporta_seq->setVisible(false);
}

void Frrm_offline::hideViewControls()
{
    cmd_report->hide();
    cmd_plotbar->hide();
    cmd_plotheat->hide();
    cmd_plotheatkin->hide();
    frame_heatmap->hide();
}

void Frrm_offline::Form_Resize()
{
    MainWindowFrame frame;
    if (ctx_.mainWindow) {
        frame.outerSize = ctx_.mainWindow->frameGeometry().size();
        frame.minimized = ctx_.mainWindow->isMinimized();
    } else {
        frame.outerSize = frameGeometry().size();
    }
    if (const std::optional<OfflinePlaces> places = ArrangeOfflineControls(frame))
        applyPlaces(*places);
}

namespace {
// A place whose width or height is -1 keeps the control's own.
void place(QWidget* w, const QRect& r)
{
    w->setGeometry(r.x(), r.y(), r.width() < 0 ? w->width() : r.width(), r.height() < 0 ? w->height() : r.height());
}
} // namespace

void Frrm_offline::applyPlaces(const OfflinePlaces& p)
{
    place(Shape5, p.Shape5);
    Line5->setGeometry(p.Line5.x1(), p.Line5.y1() - 2, p.Line5.x2() - p.Line5.x1(), 4);
    place(lbl_status, p.lbl_status);
    place(txt_status, p.txt_status);
    place(cmd_closeoffline, p.cmd_closeoffline);
    reportPanel->adjustSize();
    place(reportPanel, p.Frm_report);
    place(frame_offline, p.frame_offline);
    place(Listpj, p.Listpj);
    place(cmd_report, p.cmd_report);
    // The picture box keeps a fixed size: its canvas follows the place.
    Picreal->setFixedSize(p.Picreal.size());
    Picreal->move(p.Picreal.topLeft());
    if (Picreal->canvas().widthPx() != p.Picreal.width() || Picreal->canvas().heightPx() != p.Picreal.height())
        Picreal->canvas().resize(p.Picreal.width(), p.Picreal.height());
    place(HScroll_time, p.HScroll_time);
    place(lbl_scan, p.lbl_scan);
    place(cmd_plotbar, p.cmd_plotbar);
    place(cmd_plotheat, p.cmd_plotheat);
    place(txt_cframe, p.txt_cframe);
    place(frame_heatmap, p.frame_heatmap);
    place(cmd_plotheatsum, p.cmd_plotheatsum);
    place(cmd_plotheatkin, p.cmd_plotheatkin);
    // On a narrow grid the view buttons take the width their captions need.
    for (QPushButton* view : {cmd_plotbar, cmd_plotheat, cmd_plotheatsum, cmd_plotheatkin})
        growToCaption(view);
    for (std::size_t i = 0; i < opt_hetmap_color.size(); ++i)
        place(opt_hetmap_color[i], p.opt_hetmap_color[i]);
    place(Label_groupsname, p.Label_groupsname);
    place(combogrup, p.combogrup);
    reportPanel->raise();
}

void Frrm_offline::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Frrm_offline::cmd_closeoffline_Click()
{
    if (ctx_.mainWindow)
        ctx_.mainWindow->show();
    close();
}

void Frrm_offline::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    if (ctx_.mainWindow)
        ctx_.mainWindow->setVisible(true);
}

void Frrm_offline::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void Frrm_offline::mnexplore_folder_Click()
{
    // Before any folder was listed or opened there is nothing to show.
    if (!state.openRunFolder.isEmpty())
        ctx_.opener.open(state.openRunFolder);
}

void Frrm_offline::cmd_report_Click()
{
    reportPanel->state.visible = true;
    reportPanel->show();
    reportPanel->raise();
}

void Frrm_offline::setBold(QWidget* w, bool bold)
{
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
}

void Frrm_offline::cmd_plotheat_Click()
{
    if (loadRunning == -1) {
        cmd_plotheat->setText(QStringLiteral("Load Heatmap"));
        drawRunning = 0;
        loadRunning = 0;
        return;
    }
    loadRunning = -1;
    cmd_plotheat->setText(QStringLiteral("Stop"));
    frame_heatmap->hide();
    setBold(cmd_plotheat, true);
    setBold(cmd_plotheatsum, true);
    setBold(cmd_plotheatkin, false);
    setBold(cmd_plotbar, false);
    HScroll_time->hide();
    lbl_scan->hide();
    txt_cframe->show();

    heatMap = HeatMapData{};
    drawRunning = -1;
    Picreal->canvas().clear();
    Picreal->update();
    const WellActivityLoadView view{[this](const QString& text) {
                                        txt_cframe->setText(text);
                                        txt_cframe->repaint();
                                    },
                                    [this] { ctx_.clock.processEvents(); }, [this] { return drawRunning != -1; }};
    LoadWellActivityFiles(state.pageRunFolder, reportPanel->txt_welltype->text(), heatMap, view, ctx_.prompts);
    ctx_.clock.sleepMs(100);
    txt_cframe->hide();

    if (loadRunning != -1)
        return;
    cmd_plotheat->setText(QStringLiteral("Load Heatmap"));
    drawRunning = -1;
    Picreal->canvas().clear();
    if (DrawHeatMap)
        DrawHeatMap(0, 1);
    frame_heatmap->show();
    state.plotView = 2;
    loadRunning = 0;
    drawRunning = 0;
}
