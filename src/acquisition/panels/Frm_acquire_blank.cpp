// The main window's blanks: "Read Blank" and its panel, the blank run's start
// and evaluation, the list of stored blanks with its pop-up, and the menu item
// that enables internal-reference runs.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/frm_confirmacq.h"
#include "calibration/BlankEvaluation.h"
#include "calibration/BlankLabels.h"
#include "calibration/BlankList.h"
#include "calibration/BlankMeasurementStart.h"
#include "calibration/BlankStore.h"
#include "calibration/BlankStoreWrite.h"
#include "calibration/InternalReferenceMenu.h"
#include "calibration/panels/Frame_calibration.h"
#include "calibration/panels/frameblank.h"
#include "core/Prompts.h"
#include "plate/geometry/PlateFormat.h"
#include "projects/ProjectFolders.h"
#include "ui/DoubleClickLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace {

const QString kNoPort = QStringLiteral("COMPORT not found. Plug the equipment and restart the software");
const QString kDeleteFailed = QStringLiteral("I/O File error. please delete manually");

QString selectedEntry(const frameblank& panel)
{
    const QListWidgetItem* item = panel.lst_blank->currentItem();
    return item ? item->text() : QString();
}

} // namespace

void Frm_acquire::buildBlankControls()
{
    connect(frameMenu, &Frame_menu::cmdBlankClicked, this, &Frm_acquire::cmd_blank_Click);
    connect(frameMenu, &Frame_menu::blankTimeDoubleClicked, this, &Frm_acquire::lbl_blanktime_DblClick);
    connect(blankPanel, &frameblank::startClicked, this, &Frm_acquire::cmd_okblank_Click);
    connect(blankPanel, &frameblank::cancelClicked, this, &Frm_acquire::cmd_cancelblank_Click);
    connect(blankPanel, &frameblank::storedBlankClicked, this, [this] { lst_blank_Click(); });
    connect(blankPanel, &frameblank::storedBlankDoubleClicked, this, [this] { lst_blank_DblClick(); });
    connect(blankPanel, &frameblank::listMouseUp, this, &Frm_acquire::lst_blank_MouseUp);

    // The blank list's pop-up is part of the menu tree.
    connect(mndelblank, &QAction::triggered, this, &Frm_acquire::mndelblank_Click);
    connect(mn_internalref, &QAction::triggered, this, &Frm_acquire::mn_internalref_Click);
}

void Frm_acquire::cmd_blank_Click()
{
    state.abortRequested = false;
    if (state.runState != 0)
        return;
    if (!ctx_.globals.dummyMode && !ctx_.globals.portOpen) {
        ctx_.prompts.message(kNoPort);
        return;
    }
    blankPanel->showFields();
    blankPanel->show();
    blankPanel->raise();
}

void Frm_acquire::cmd_okblank_Click()
{
    // The panel may still be open when a run or calibration has started.
    if (state.runState != 0)
        return;
    const std::optional<int> minutes = blankLapseMinutes(blankPanel->txt_blanklapse->text());
    if (!minutes) {
        ctx_.prompts.message(kBlankLapseRefusal);
        state.blankRun = false;
        blankPanel->txt_blanklapse->setText(QStringLiteral("60"));
        return;
    }
    configBoxes.txtlapse = QString::number(*minutes);
    frameMenu->txtlapse->setText(configBoxes.txtlapse);

    const QString cleaned = MakeFolderSafeName(blankPanel->txt_blankname->text());
    if (cleaned.isEmpty()) {
        ctx_.prompts.message(kBlankNameRefusal);
        blankPanel->txt_blankname->setFocus();
        state.blankRun = false;
        return;
    }
    confirmPanel->txt_acqname->setText(blankAcquisitionName(cleaned));
    confirmPanel->txt_pjname->setText(blankProjectName(ctx_.globals.serialNumber));
    // A box left ticked by an earlier confirmation would make the blank a reference run.
    if (confirmPanel->chk_internalref->isChecked()) {
        confirmPanel->chk_internalref->setChecked(false);
        chk_internalref_Click();
    }

    state.blankRun = true;
    blankPanel->hide();
    cmd_playacq_Click(); // no run made: the boxes stay as the phase has them
}

void Frm_acquire::cmd_cancelblank_Click()
{
    state.blankRun = false;
    blankPanel->hide();
}

void Frm_acquire::EvaluateBlankRun(const QString& runFolder, const QString& format, double minutes)
{
    const BlankEvaluation result =
        evaluateBlankRun(ctx_.folder, ctx_.globals.serialNumber, runFolder, format, minutes);
    ctx_.prompts.message(result.message);
    if (result.written)
        showBlankInUse();
}

void Frm_acquire::showBlankInUse()
{
    // The labels stand under "Using blank [<current format>]:", whichever store was written.
    state.blankInUse = ReadBlankFileHeader(ctx_.folder, ctx_.globals.serialNumber, state.plateFormat);
    const BlankLabels labels = ShowBlankLabels(state.blankInUse);
    formatControls.lbl_blanktime = labels.lbl_blanktime;
    formatControls.lbl_blankname = labels.lbl_blankname;
    frameMenu->showFormatControls();
}

void Frm_acquire::fillBlankList(const QStringList& storedRuns)
{
    QListWidget* list = blankPanel->lst_blank;
    list->clear();
    list->addItem(kNoBlank);
    list->addItem(kFactoryBlank);
    list->addItems(storedRuns);
}

void Frm_acquire::lbl_blanktime_DblClick()
{
    if (state.runState != 0)
        return;
    const QString format = frameMenu->cmb_well->currentText();
    fillBlankList(storedBlankRuns(ctx_.folder, ctx_.globals.serialNumber, format));
    blankPanel->showList();
    blankPanel->show();
    blankPanel->raise();
}

void Frm_acquire::lst_blank_Click()
{
    const QString entry = selectedEntry(*blankPanel);
    if (entry.isEmpty() || entry == kNoBlank || entry == kFactoryBlank)
        return;
    const QString runFolder = storedBlankRunFolder(ctx_.folder, ctx_.globals.serialNumber, entry);
    blankPanel->lbl_blankdescription->setText(blankRunDescription(runFolder));
}

void Frm_acquire::lst_blank_DblClick()
{
    const QString entry = selectedEntry(*blankPanel);
    if (entry.isEmpty())
        return;
    const QString format = frameMenu->cmb_well->currentText();
    const int serial = ctx_.globals.serialNumber;

    if (entry == kNoBlank) {
        if (!format.isEmpty() && isFileNameSafeCode(format)) {
            if (WriteEmptyBlankFile(ctx_.folder, serial, format, runBlank)) {
                state.blankInUse = kNoBlank;
            } else {
                ctx_.prompts.message(kBlankFileError);
                showBlankInUse();
                blankPanel->hide();
                return;
            }
        }
        formatControls.lbl_blanktime = kNoBlank;
        formatControls.lbl_blankname.clear();
        frameMenu->showFormatControls();
        blankPanel->hide();
        return;
    }

    if (entry == kFactoryBlank) {
        if (ctx_.prompts.question(QStringLiteral("Load Factory_Default Blank for ") + format + QLatin1Char('?'),
                                  PromptButtons::YesNo) != PromptAnswer::Yes)
            return;
        switch (loadFactoryBlank(ctx_.folder, serial, format, ctx_.clock)) {
        case FactoryBlankLoad::Loaded:
            ctx_.prompts.message(kBlankOk);
            state.blankInUse = ReadBlankFileHeader(ctx_.folder, serial, format);
            formatControls.lbl_blanktime = state.blankInUse; // the factory date, as it stands
            formatControls.lbl_blankname.clear();
            frameMenu->showFormatControls();
            break;
        case FactoryBlankLoad::NotFound:
            ctx_.prompts.message(QStringLiteral("Default File not found"));
            break;
        case FactoryBlankLoad::WriteFailed:
            ctx_.prompts.message(kBlankFileError);
            break;
        }
        blankPanel->hide();
        return;
    }

    if (ctx_.prompts.question(QStringLiteral("Load ") + entry + QLatin1Char('?'), PromptButtons::YesNo) !=
        PromptAnswer::Yes)
        return;
    const QString runFolder = storedBlankRunFolder(ctx_.folder, serial, entry);
    if (runFolder.isEmpty() || !QFileInfo(runFolder).isDir()) {
        ctx_.prompts.message(QStringLiteral("File not found"));
        return;
    }
    const BlankRunToLoad load = blankRunToLoad(runFolder);
    if (!load.message.isEmpty()) {
        ctx_.prompts.message(load.message);
        return;
    }
    EvaluateBlankRun(runFolder, load.format, load.minutes);
    blankPanel->hide();
}

void Frm_acquire::lst_blank_MouseUp(Qt::MouseButton button, const QPoint& globalPos)
{
    if (button == Qt::RightButton && mndelblank_top)
        mndelblank_top->popup(globalPos);
}

void Frm_acquire::mndelblank_Click()
{
    const QString entry = selectedEntry(*blankPanel);
    if (entry.isEmpty() || entry == kNoBlank || entry == kFactoryBlank)
        return;
    if (ctx_.prompts.question(QStringLiteral("Delete ") + entry + QLatin1Char('?'), PromptButtons::YesNo) !=
        PromptAnswer::Yes)
        return;
    if (!deleteStoredBlankRun(ctx_.folder, ctx_.globals.serialNumber, entry)) {
        ctx_.prompts.message(kDeleteFailed);
        return;
    }
    fillBlankList(storedBlankRuns(ctx_.folder, ctx_.globals.serialNumber));
    blankPanel->lst_blank->setCurrentRow(1);
}

void Frm_acquire::mn_internalref_Click()
{
    showInternalReferenceEnabled(askEnableInternalReference(ctx_.prompts));
}

void Frm_acquire::showInternalReferenceEnabled(bool enabled)
{
    mn_internalref->setCheckable(true);
    mn_internalref->setChecked(enabled);
    confirmPanel->chk_internalref->setVisible(enabled);
    if (!enabled)
        return; // the format lists stay as they are
    const QString kept = frameMenu->cmb_well->currentText();
    const QStringList codes = wellTableFormatCodes(ctx_.folder);
    formatControls.cmb_well_items = codes;
    formatControls.cmb_formatplate_items = codes;
    formatControls.cmb_well_index = int(codes.indexOf(kept));
    formatControls.cmb_well = kept;
    formatControls.cmb_formatplate = kept;
    frameMenu->showFormatControls();
    frameCalibration->showFormatBox(codes, kept);
}
