#include "reporting/panels/Frm_report.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

Frm_report::Frm_report(ReportServices services, QWidget* parent)
    : QFrame(parent), services_(std::move(services))
{
    setObjectName(QStringLiteral("Frm_report"));
    setFrameShape(QFrame::Box);
    setMinimumWidth(320); // room for the joint captions
    auto* grid = new QGridLayout(this);

    lbl_reportexport = new QLabel(state.title, this);
    QFont bold = lbl_reportexport->font();
    bold.setBold(true);
    lbl_reportexport->setFont(bold);
    Cmd_closereport = new QPushButton(QStringLiteral("X"), this);
    Cmd_closereport->setFixedWidth(28);
    grid->addWidget(lbl_reportexport, 0, 0, 1, 3);
    grid->addWidget(Cmd_closereport, 0, 3, Qt::AlignRight);

    const QStringList outputs{QStringLiteral("Rows"), QStringLiteral("Array"), QStringLiteral("MapPlot"),
                              QStringLiteral(".bmp")};
    for (int i = 0; i < 4; ++i) {
        Option_output[static_cast<std::size_t>(i)] = new QRadioButton(outputs[i], this);
        grid->addWidget(Option_output[static_cast<std::size_t>(i)], 1 + i / 2, i % 2 * 2, 1, 2);
    }
    Option_output[0]->setChecked(true);

    label_binsize = new QLabel(QStringLiteral("Binsize"), this);
    Combo_reportbin = new QComboBox(this);
    grid->addWidget(label_binsize, 3, 0, 1, 2);
    grid->addWidget(Combo_reportbin, 3, 2);
    grid->addWidget(new QLabel(QStringLiteral("min."), this), 3, 3);

    Combo_reportfile = new QComboBox(this);
    Combo_reportdivider = new QComboBox(this);
    Combo_reportdivider->setEditable(true); // the system's separator need not be an item
    grid->addWidget(new QLabel(QStringLiteral("File"), this), 4, 0);
    grid->addWidget(Combo_reportfile, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Spacer"), this), 4, 2);
    grid->addWidget(Combo_reportdivider, 4, 3);

    chk_noise = new QCheckBox(QStringLiteral("NoiseFilter"), this);
    chk_noise->setToolTip(QStringLiteral("apply filter to outlier activity values (10x)"));
    chk_noise->setChecked(true);
    chk_blank = new QCheckBox(QStringLiteral("Apply_Blank"), this);
    chk_blank->setToolTip(QStringLiteral("apply blank correction if available"));
    grid->addWidget(chk_noise, 5, 0, 1, 2);
    grid->addWidget(chk_blank, 5, 2, 1, 2);

    lblintref = new QLabel(QStringLiteral("Internal Reference:"), this);
    combo_intref = new QComboBox(this);
    grid->addWidget(lblintref, 6, 0, 1, 2);
    grid->addWidget(combo_intref, 6, 2, 1, 2);

    txt_welltype = new QLineEdit(QStringLiteral("w96f"), this);
    txt_welltype->setReadOnly(true);
    txt_welltype->setFixedWidth(60);
    cmd_generatereport = new QPushButton(QStringLiteral("Generate"), this);
    grid->addWidget(txt_welltype, 7, 0, 1, 2);
    grid->addWidget(cmd_generatereport, 7, 2, 1, 2);

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
