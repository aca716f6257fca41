#include "reporting/panels/Frm_report.h"

#include "ui/DesignedPlaces.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

Frm_report::Frm_report(ReportServices services, QWidget* parent)
    : QFrame(parent), services_(std::move(services))
{
    setObjectName(QStringLiteral("Frm_report"));
    setFrameShape(QFrame::Box);
    // A panel over other controls: what lies under it does not show through.
    setAutoFillBackground(true);
    designedSize(this, 5775, 4215);

    Shape6 = designed(new QFrame(this), "Shape6", 240, 120, 4695, 495);
    Shape6->setFrameShape(QFrame::Box);
    Label40 = designed(new QLabel(state.title, this), "Label40", 360, 180, 4455, 375);
    lbl_reportexport = Label40;
    Cmd_closereport = designed(new QPushButton(QStringLiteral("X"), this), "Cmd_closereport", 5160, 120, 375, 375);

    const char* const outputNames[] = {"Option_output0", "Option_output1", "Option_output2", "Option_output3"};
    const QStringList outputs{QStringLiteral("Rows"), QStringLiteral("Array"), QStringLiteral("MapPlot"),
                              QStringLiteral(".bmp")};
    const int outputLefts[] = {360, 1560, 2640, 3960};
    const int outputWidths[] = {1095, 975, 1215, 855};
    for (std::size_t i = 0; i < Option_output.size(); ++i)
        Option_output[i] = designed(new QRadioButton(outputs[static_cast<int>(i)], this), outputNames[i],
                                    outputLefts[i], 840, outputWidths[i], 285);
    Option_output[0]->setChecked(true);
    Option_output[3]->hide();

    label_binsize = designed(new QLabel(QStringLiteral("BinSize"), this), "label_binsize", 360, 1500, 1335, 315);
    setPointSize(label_binsize, 9.75);
    Combo_reportbin = designed(new QComboBox(this), "Combo_reportbin", 360, 1860, 1335, 375);
    setPointSize(Combo_reportbin, 9.75);
    Combo_reportbin->addItem(QStringLiteral("30")); // the lists are filled when the window loads
    Label42 = designed(new QLabel(QStringLiteral("min."), this), "Label42", 1755, 1920, 435, 285);

    chk_movingavrg = designed(new QCheckBox(QStringLiteral("3point_movingavrg"), this), "chk_movingavrg", 240,
                              2520, 1935, 285);
    chk_movingavrg->hide();
    txt_welltype = designed(new QLineEdit(QStringLiteral("w96f"), this), "txt_welltype", 360, 2880, 855, 315);
    txt_welltype->setReadOnly(true);
    txt_welltype->hide();

    Frame10 = designed(new QGroupBox(this), "Frame10", 2280, 1440, 2775, 1935);
    Label41 = designed(new QLabel(QStringLiteral("File"), Frame10), "Label41", 120, 165, 435, 255);
    Combo_reportfile = designed(new QComboBox(Frame10), "Combo_reportfile", 555, 120, 840, 315);
    Label36 = designed(new QLabel(QStringLiteral("Spacer"), Frame10), "Label36", 1470, 165, 645, 255);
    Combo_reportdivider = designed(new QComboBox(Frame10), "Combo_reportdivider", 2115, 120, 570, 315);
    Combo_reportdivider->setEditable(true); // the system's separator need not be an item
    Combo_reportdivider->setEditText(QStringLiteral(","));
    lblintref = designed(new QLabel(QStringLiteral("Internal Reference:"), Frame10), "lblintref", 120, 510, 2535,
                         255);
    combo_intref = designed(new QComboBox(Frame10), "combo_intref", 120, 780, 1215, 315);
    Line4 = designed(new QFrame(Frame10), "Line4", 120, 1155, 2535, 30);
    Line4->setFrameShape(QFrame::HLine);
    chk_noise = designed(new QCheckBox(QStringLiteral("NoiseFilter"), Frame10), "chk_noise", 120, 1230, 2535, 285);
    chk_noise->setToolTip(QStringLiteral("apply filter to outlier activity values (10x)"));
    chk_noise->setChecked(true);
    chk_blank = designed(new QCheckBox(QStringLiteral("Apply_Blank"), Frame10), "chk_blank", 120, 1560, 2535, 285);
    chk_blank->setToolTip(QStringLiteral("apply blank correction if available"));

    cmd_generatereport = designed(new QPushButton(QStringLiteral("Generate"), this), "cmd_generatereport", 240, 3360,
                                  4815, 615);
    setPointSize(cmd_generatereport, 9, true);

    connect(cmd_generatereport, &QPushButton::clicked, this, [this] { cmd_generatereport_Click(); });
    connect(Cmd_closereport, &QPushButton::clicked, this, [this] { Cmd_closereport_Click(); });
    connect(chk_blank, &QCheckBox::clicked, this, [this] { chk_blank_Click(); });
    hide();
}

void Frm_report::fillLists(const QString& listSeparator)
{
    combo_intref->clear();
    combo_intref->addItems({QStringLiteral("No"), QStringLiteral("Apply"), QStringLiteral("Update")});
    combo_intref->setCurrentIndex(1);
    Combo_reportfile->clear();
    Combo_reportfile->addItems({QStringLiteral(".csv"), QStringLiteral(".txt")});
    Combo_reportfile->setCurrentIndex(0);
    Combo_reportbin->clear();
    Combo_reportbin->addItems(state.binItems);
    Combo_reportbin->setCurrentText(QStringLiteral("ScanTime"));
    Combo_reportdivider->clear();
    Combo_reportdivider->addItems({QStringLiteral(","), QStringLiteral(";")});
    Combo_reportdivider->setCurrentText(listSeparator);
}

void Frm_report::showState()
{
    lbl_reportexport->setText(state.title);
    for (std::size_t i = 0; i < Option_output.size(); ++i)
        Option_output[i]->setEnabled(state.outputEnabled[i]);
    Option_output[static_cast<std::size_t>(state.selectedOutput)]->setChecked(true);
    combo_intref->setEnabled(state.intRefEnabled);
    combo_intref->setCurrentIndex(state.intRefIndex);
    chk_blank->setEnabled(state.blankEnabled);
    Combo_reportbin->clear();
    Combo_reportbin->addItems(state.binItems);
    Combo_reportbin->setCurrentText(state.binText);
    label_binsize->setText(state.binsizeCaption);
    cmd_generatereport->setText(state.generateCaption);
    setVisible(state.visible);
}

ReportChoices Frm_report::choices() const
{
    ReportChoices c;
    for (std::size_t i = 0; i < Option_output.size(); ++i)
        if (Option_output[i]->isChecked())
            c.output = static_cast<ReportOutput>(i);
    c.binText = Combo_reportbin->currentText();
    c.fileType = Combo_reportfile->currentText();
    c.divider = Combo_reportdivider->currentText();
    c.noiseFilter = chk_noise->isChecked();
    c.applyBlank = chk_blank->isChecked();
    c.intRef = static_cast<IntRefChoice>(std::max(0, combo_intref->currentIndex()));
    return c;
}

void Frm_report::cmdreport_Click(const QString& plateFormatText, const WellGroupTable& groups)
{
    // The selected output stays as the user left it.
    for (std::size_t i = 0; i < Option_output.size(); ++i)
        if (Option_output[i]->isChecked())
            state.selectedOutput = static_cast<int>(i);
    QString welltype;
    openSingleRunReport({plateFormatText, groups}, state, welltype, reportGroups);
    txt_welltype->setText(welltype);
    txt_welltype->repaint();
    showState();
}

void Frm_report::chk_blank_Click()
{
    if (!chk_blank->isChecked())
        return;
    const QString folder = runFolder ? *runFolder : QString();
    if (!confirmRunBlank(folder, txt_welltype->text(), services_.prompts))
        chk_blank->setChecked(false);
}

void Frm_report::Cmd_closereport_Click()
{
    state.visible = false;
    hide();
}

void Frm_report::cmd_generatereport_Click()
{
    QString fallbackFolder;
    std::optional<ReportRun> run = currentRun ? currentRun() : std::nullopt;
    static const RunResults kNoRun;
    if (!run)
        run.emplace(ReportRun{kNoRun, reportGroups, runFolder ? *runFolder : fallbackFolder, txt_welltype->text(),
                             serialNumber ? *serialNumber : 0});
    const GenerateOutcome outcome = generateFromPanel(choices(), state, *run, services_);
    state.binText = outcome.binText;
    if (Combo_reportbin->findText(outcome.binText) < 0)
        Combo_reportbin->addItem(outcome.binText);
    Combo_reportbin->setCurrentText(outcome.binText);
    if (outcome.hidePanel)
        Cmd_closereport_Click();
}
