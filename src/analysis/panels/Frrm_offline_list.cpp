// The saved-data page's project and run list: filling, folding, opening a
// run, the pop-up menu and the joint report of the selected runs.
#include "analysis/panels/Frrm_offline.h"

#include "projects/RecordedRun.h"
#include "reporting/JointReport.h"
#include "reporting/panels/Frm_report.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

void Frrm_offline::ListProjects()
{
    RunListing listing = ::ListProjects(ctx_.folder, state.projectExpanded);
    if (!listing.lastListedProjectFolder.isEmpty())
        state.openRunFolder = listing.lastListedProjectFolder;
    listLines_ = std::move(listing.lines);
    Listpj->clear();
    for (const RunListLine& line : listLines_)
        Listpj->addItem(line.text);
}

void Frrm_offline::lblback_Click()
{
    state.projectExpanded.clear();
    ListProjects();
    if (Listpj->count() > 0)
        makeCurrent(0);
}

void Frrm_offline::makeCurrent(int row)
{
    if (row < 0 || row >= Listpj->count())
        return;
    Listpj->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

int Frrm_offline::projectLineAbove(int row) const
{
    while (row > 0 && listLines_[static_cast<std::size_t>(row)].kind != RunListLine::Kind::Project)
        --row;
    return row;
}

void Frrm_offline::Listpj_DblClick()
{
    state.jointReportMode = false;
    const int clicked = Listpj->currentRow();
    if (clicked < 0 || clicked >= static_cast<int>(listLines_.size()) || Listpj->item(clicked)->text().isEmpty())
        return;
    const RunListLine line = listLines_[static_cast<std::size_t>(clicked)];

    if (line.kind == RunListLine::Kind::Project) {
        state.projectName = line.projectName;
        toggleProjectFold(line.projectName, state);
        ListProjects();
        hideViewControls();
        makeCurrent(clicked);
        return;
    }

    const RunOpeningResult result =
        openRecordedRun(ctx_.folder, line, ctx_.acquisitionRunning && ctx_.acquisitionRunning(), ctx_.prompts, state,
                        ctx_.globals.runFolder);
    switch (result) {
    case RunOpeningResult::RunActive:
        return;
    case RunOpeningResult::NotFound:
        makeCurrent(projectLineAbove(clicked));
        return;
    case RunOpeningResult::TimeRefused:
        txt_status->setText(kTimeRefusedStatus);
        makeCurrent(projectLineAbove(clicked));
        return;
    case RunOpeningResult::FormatRefused:
        txt_status->setText(kFormatRefusedStatus);
        makeCurrent(projectLineAbove(clicked));
        return;
    case RunOpeningResult::NoActivity:
        reportPanel->txt_welltype->setText(state.plateFormat);
        reportPanel->txt_welltype->repaint();
        break;
    case RunOpeningResult::Opened:
        reportPanel->txt_welltype->setText(state.plateFormat);
        reportPanel->txt_welltype->repaint();
        showOpenedRun();
        break;
    }
    makeCurrent(clicked);
}

void Frrm_offline::showOpenedRun()
{
    // The panel reports this run alone.
    ReportPanelState& panel = reportPanel->state;
    const ReportPanelState single;
    panel.binItems = single.binItems;
    panel.binText = QStringLiteral("ScanTime");
    for (std::size_t i = 1; i < panel.outputEnabled.size(); ++i)
        panel.outputEnabled[i] = true;
    panel.intRefEnabled = true;
    panel.intRefIndex = 1;
    panel.blankEnabled = true;
    panel.binsizeCaption = QStringLiteral("Binsize");
    panel.generateCaption = QStringLiteral("Generate");
    panel.jointReportMode = false;
    panel.jointFileName.clear();
    const QString title = QStringLiteral("Report [") + state.runStamp + QLatin1Char(']');
    panel.title = title;
    reportPanel->reportGroups = state.groups;
    reportPanel->showState();
    cmd_report->setText(title);

    combogrup->clear();
    combogrup->addItems(state.groupList);

    cmd_report->show();
    QFont bold = cmd_plotbar->font();
    bold.setBold(true);
    cmd_plotbar->setFont(bold);
    cmd_plotbar->show();
    state.plotView = 1;
    if (DrawGroupBarPlot)
        DrawGroupBarPlot();
    QFont normal = cmd_plotheat->font();
    normal.setBold(false);
    cmd_plotheat->setFont(normal);
    cmd_plotheatkin->setFont(normal);
    cmd_plotheat->show();
    cmd_plotheatkin->show();
    frame_heatmap->hide();
}

bool Frrm_offline::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Listpj->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        Listpj_MouseUp(mouse->button(), mouse->globalPosition().toPoint());
    }
    return QWidget::eventFilter(watched, event);
}

void Frrm_offline::Listpj_MouseUp(Qt::MouseButton button, const QPoint& globalPos)
{
    if (button != Qt::RightButton || Listpj->selectedItems().isEmpty())
        return;
    mnrightclickmenu->popup(globalPos);
}

void Frrm_offline::mnjointrep_Click()
{
    // The joint report points runFolder at its table's project; a running acquisition writes there.
    if (ctx_.acquisitionRunning && ctx_.acquisitionRunning()) {
        ctx_.prompts.message(kRunActiveMessage);
        return;
    }
    std::vector<JointListEntry> entries;
    for (int i = 0; i < Listpj->count(); ++i)
        entries.push_back({Listpj->item(i)->text(), Listpj->item(i)->isSelected()});
    const JointTableResult table = prepareJointReport(ctx_.folder, entries, ctx_.prompts, ctx_.clock);
    if (!table.written)
        return;
    handOverJointTable(table, reportPanel->state, ctx_.globals.runFolder, JointReportPage::SavedData);
    state.jointReportMode = true;
    reportPanel->showState();
}
