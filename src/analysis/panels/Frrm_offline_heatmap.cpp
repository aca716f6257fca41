// The saved-data page's two views of an opened run in Picreal: the heat map
// (sum and scan by scan, with its exports) and the group bar plot.
#include "analysis/panels/Frrm_offline.h"

#include "analysis/AnalysisFileErrors.h"
#include "analysis/barplot/GroupBarPlot.h"
#include "analysis/heatmap/ActivityAreaFile.h"
#include "analysis/heatmap/HeatMapDrawing.h"
#include "core/FreeSpace.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

const QString kAreaFileError = QStringLiteral("error generating report file");

} // namespace

void Frrm_offline::buildHeatMapViews()
{
    DrawHeatMap = [this](int mode, int scan) { drawHeatMapView(mode, scan); };
    DrawGroupBarPlot = [this] { drawGroupBarPlotView(); };
    connect(cmd_plotheatsum, &QPushButton::clicked, this, [this] { cmd_plotheatsum_Click(); });
    connect(cmd_plotheatkin, &QPushButton::clicked, this, [this] { cmd_plotheatkin_Click(); });
    // A hand-moved scroll bar; the page's own steps call the handler themselves.
    connect(HScroll_time, &QScrollBar::valueChanged, this, [this] { HScroll_time_Change(); });
    connect(cmd_plotbar, &QPushButton::clicked, this, [this] { cmd_plotbar_Click(); });
    connect(combogrup, &QListWidget::itemDoubleClicked, this, [this] { combogrup_DblClick(); });
    connect(Picreal, &PictureBox::mousePressed, this, [this](Qt::MouseButton b, double, double) { Picreal_MouseDown(b); });
    connect(bmpexporta, &QAction::triggered, this, [this] { bmpexporta_Click(); });
    connect(bmpexporta_seq, &QAction::triggered, this, [this] { bmpexporta_seq_Click(); });
    connect(bmpexporta_csvseq, &QAction::triggered, this, [this] { bmpexporta_csvseq_Click(); });
}

void Frrm_offline::drawHeatMapView(int mode, int scan)
{
    state.plotView = 2;
    PictureCanvas& canvas = Picreal->canvas();
    setHeatMapScale(canvas, state.grid);
    HeatMapOptions options;
    for (int i = 0; i < 3; ++i)
        if (opt_hetmap_color[size_t(i)]->isChecked())
            options.colour = HeatMapColour(i);
    options.areaExportActive = state.areaExportActive;
    options.highlight = wellHighlight;
    const HeatMapDrawn drawn =
        ::DrawHeatMap(canvas, heatMap, state.grid, mode == 0 ? HeatMapMode::Sum : HeatMapMode::Scan, scan, options,
                      [this] { return drawRunning == -1; }, ctx_.clock);
    Picreal->update();
    if (mode != 0) {
        lbl_scan->setText(drawn.scanCaption);
        lbl_scan->repaint();
    }
    if (drawn.stopped || !state.areaExportActive)
        return;
    const QString path = QDir(state.pageRunFolder).filePath(kActivityAreaFile);
    if (!appendActivityAreaRow(path, drawn.minutes, drawn.areaPercent))
        areaRowFailed_ = true;
}

void Frrm_offline::cmd_plotheatsum_Click()
{
    setBold(cmd_plotheatsum, true);
    setBold(cmd_plotheatkin, false);
    setBold(cmd_plotbar, false);
    HScroll_time->hide();
    lbl_scan->hide();
    drawRunning = -1;
    Picreal->canvas().clear();
    DrawHeatMap(0, 1);
    drawRunning = 0;
    state.plotView = 2;
    bmpexporta_csvseq->setVisible(false);
    bmpexporta_seq->setVisible(false);
}

void Frrm_offline::HScroll_time_Change()
{
    drawRunning = -1;
    DrawHeatMap(1, HScroll_time->value());
}

bool Frrm_offline::stepThroughScans(const std::function<bool(int)>& each)
{
    for (int k = 1; k <= HScroll_time->maximum(); ++k) {
        {
            const QSignalBlocker quiet(HScroll_time);
            HScroll_time->setValue(k);
        }
        HScroll_time_Change();
        if (!each(k))
            return false;
    }
    return true;
}

void Frrm_offline::cmd_plotheatkin_Click()
{
    bmpexporta_csvseq->setVisible(true);
    bmpexporta_seq->setVisible(true);
    // A second click (or the first after a hand-moved scroll bar) is a stop request.
    if (drawRunning == -1) {
        drawRunning = 0;
        return;
    }
    setBold(cmd_plotheatsum, false);
    setBold(cmd_plotheatkin, true);
    setBold(cmd_plotbar, false);
    drawRunning = -1;
    {
        const QSignalBlocker quiet(HScroll_time);
        HScroll_time->setMaximum(heatMap.lastScan);
    }
    HScroll_time->show();
    lbl_scan->setText(QStringLiteral("Scan[1]"));
    lbl_scan->show();
    Picreal->canvas().clear();
    cmd_plotheatkin->setText(QStringLiteral("[STOP]"));
    state.plotView = 2;
    stepThroughScans([this](int) {
        ctx_.clock.processEvents();
        return drawRunning != 0;
    });
    drawRunning = 0;
    cmd_plotheatkin->setText(QStringLiteral("[Kinetic]"));
}

void Frrm_offline::drawGroupBarPlotView()
{
    state.plotView = 1;
    GroupBarPlotInput input{state.groupList, combogrup->currentRow(), state.projectName, state.runStamp,
                            state.runAcquisitionName};
    ::DrawGroupBarPlot(Picreal->canvas(), state.run, state.groups.wellGroup, input);
    Picreal->update();
}

void Frrm_offline::cmd_plotbar_Click()
{
    frame_heatmap->hide();
    HScroll_time->hide();
    lbl_scan->hide();
    txt_cframe->hide();
    bmpexporta_seq->setVisible(false);
    bmpexporta_csvseq->setVisible(false);
    setBold(cmd_plotbar, true);
    setBold(cmd_plotheat, false);
    setBold(cmd_plotheatkin, false);
    DrawGroupBarPlot();
    state.plotView = 1;
}

void Frrm_offline::combogrup_DblClick()
{
    const QListWidgetItem* item = combogrup->currentItem();
    if (!item)
        return;
    const int g = item->text().left(3).toInt();
    for (int w = 0; w < 24; ++w)
        wellHighlight[size_t(w)] = state.groups.wellGroup[size_t(w)] == g;
    if (state.plotView == 1) {
        setBold(cmd_plotheat, false);
        setBold(cmd_plotheatkin, false);
        setBold(cmd_plotbar, true);
        DrawGroupBarPlot();
    } else if (state.plotView == 2) {
        cmd_plotheatsum_Click();
    }
}

void Frrm_offline::Picreal_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        mn_exporta->popup(QCursor::pos());
}

void Frrm_offline::bmpexporta_Click()
{
    // The picture as shown, whatever it shows; opened with the desktop's image viewer.
    const QString path = QDir(ctx_.folder.root()).absoluteFilePath(QStringLiteral("image1.bmp"));
    if (!Picreal->canvas().saveBmp(path)) {
        ctx_.prompts.message(analysisWriteError(kAreaFileError, path));
        return;
    }
    ctx_.opener.open(path);
}

void Frrm_offline::bmpexporta_seq_Click()
{
    if (HScroll_time->isHidden() || state.pageRunFolder.isEmpty())
        return;
    const QString folder = QDir(state.pageRunFolder).absoluteFilePath(QStringLiteral("bmpseq"));
    // One image per scan: a run of days does not fill the disk half way.
    const qint64 images = HScroll_time->maximum();
    const SystemFreeSpace system;
    const QString tooBig =
        analysisImageRoomError(ctx_.freeSpace ? *ctx_.freeSpace : system, kAreaFileError, folder, images,
                               images * Picreal->canvas().bmpBytes().size());
    if (!tooBig.isEmpty()) {
        ctx_.prompts.message(tooBig);
        return;
    }
    if (!QDir().mkpath(folder)) {
        ctx_.prompts.message(analysisWriteError(kAreaFileError, folder));
        return;
    }
    QString unsaved;
    const bool done = stepThroughScans([this, &folder, &unsaved](int k) {
        const QString path = QDir(folder).filePath(QString::number(k) + QStringLiteral(".bmp"));
        if (!Picreal->canvas().saveBmp(path))
            unsaved = path;
        return unsaved.isEmpty();
    });
    drawRunning = 0;
    if (!unsaved.isEmpty())
        ctx_.prompts.message(analysisWriteError(kAreaFileError, unsaved));
    if (done)
        ctx_.opener.open(folder);
}

void Frrm_offline::bmpexporta_csvseq_Click()
{
    if (HScroll_time->isHidden() || state.pageRunFolder.isEmpty())
        return;
    const QString path = QDir(state.pageRunFolder).absoluteFilePath(kActivityAreaFile);
    QFile::remove(path);
    const ActivityAreaHeader header{state.pageRunFolder, ctx_.clock.now(), state.projectName, state.runAcquisitionName,
                                    state.grid};
    if (!writeActivityAreaHeader(path, header)) {
        ctx_.prompts.message(kAreaFileError);
        return;
    }
    state.areaExportActive = true;
    areaRowFailed_ = false;
    stepThroughScans([this](int) { return !areaRowFailed_; });
    state.areaExportActive = false;
    drawRunning = 0;
    if (areaRowFailed_) {
        ctx_.prompts.message(kAreaFileError);
        return;
    }
    ctx_.opener.open(path);
}
