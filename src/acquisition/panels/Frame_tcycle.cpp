#include "acquisition/panels/Frame_tcycle.h"

#include "acquisition/temperature/TemperatureControl.h"
#include "ui/DesignedPlaces.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

Frame_tcycle::Frame_tcycle(TemperatureControl& control, QWidget* parent)
    : QGroupBox(QStringLiteral("Temperature Cycle"), parent), control_(control)
{
    setObjectName(QStringLiteral("Frame_tcycle"));
    // Its size is the layout rule's; this is the size at the designed window.
    resize(twipsToPixels(1512), twipsToPixels(1537));

    lbl_tcyclce = designed(new QLabel(QStringLiteral("T="), this), "lbl_tcyclce", 120, 360, 240, 285);
    txt_tcycle = designed(new QLineEdit(control_.view.cycleTempText, this), "txt_tcycle", 360, 360, 420, 285);
    txt_tcycle_min = designed(new QLineEdit(control_.view.cycleMinutesText, this), "txt_tcycle_min", 840, 360, 420, 285);
    lbl_tcycle_min = designed(new QLabel(QStringLiteral("m"), this), "lbl_tcycle_min", 1290, 360, 180, 285);

    cmd_add_tcycle = designed(new QPushButton(QStringLiteral("add"), this), "cmd_add_tcycle", 120, 720, 600, 300);
    cmd_clr_tcycle = designed(new QPushButton(QStringLiteral("clr"), this), "cmd_clr_tcycle", 780, 720, 600, 300);

    // The list's design reaches past the panel's designed size; the panel
    // clips it there and shows it whole once the layout rule makes it larger.
    List_temp_cycle = designed(new QListWidget(this), "List_temp_cycle", 480, 1080, 1815, 840);

    // Typed texts go into the view at once, so a step never writes back stale ones.
    connect(txt_tcycle, &QLineEdit::textEdited, this, [this](const QString& t) { control_.view.cycleTempText = t; });
    connect(txt_tcycle_min, &QLineEdit::textEdited, this,
            [this](const QString& t) { control_.view.cycleMinutesText = t; });
    connect(cmd_add_tcycle, &QPushButton::clicked, this, [this] { cmd_add_tcycle_Click(); });
    connect(cmd_clr_tcycle, &QPushButton::clicked, this, [this] { cmd_clr_tcycle_Click(); });
    hide(); // the "Enable Temperature cycle" menu item shows it
}

void Frame_tcycle::cmd_add_tcycle_Click()
{
    control_.view.cycleTempText = txt_tcycle->text();
    control_.view.cycleMinutesText = txt_tcycle_min->text();
    control_.addCycleItem();
    showView(control_.view);
}

void Frame_tcycle::cmd_clr_tcycle_Click()
{
    control_.clearCycle();
    showView(control_.view);
}

void Frame_tcycle::showView(const TemperatureView& view)
{
    QStringList shown;
    for (int i = 0; i < List_temp_cycle->count(); ++i)
        shown << List_temp_cycle->item(i)->text();
    if (shown != view.cycleItems) {
        List_temp_cycle->clear();
        List_temp_cycle->addItems(view.cycleItems);
    }
    List_temp_cycle->setCurrentRow(view.cycleSelected);
    txt_tcycle->setText(view.cycleTempText);
    txt_tcycle_min->setText(view.cycleMinutesText);
    cmd_add_tcycle->setVisible(view.addClrVisible);
    cmd_clr_tcycle->setVisible(view.addClrVisible);
}
