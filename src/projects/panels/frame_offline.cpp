#include "projects/panels/frame_offline.h"

#include "ui/DesignedPlaces.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

frame_offline::frame_offline(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frame_offline"));
    setFrameShape(QFrame::NoFrame);
    resize(twipsToPixels(5940), twipsToPixels(4925)); // the rule sets the size: not fixed

    lblback = designed(new QLabel(QStringLiteral("> Hide subfolders"), this), "lblback", 90, 150, 1815, 255);
    lbl_search = designed(new QLabel(QStringLiteral("Filter by:"), this), "lbl_search", 2010, 150, 795, 255);
    txt_search = designed(new QLineEdit(this), "txt_search", 2850, 120, 1560, 315);
    cmd_lupa = designed(new QPushButton(QStringLiteral("Apply"), this), "cmd_lupa", 4470, 120, 735, 315);
    lbl_search->hide();
    txt_search->hide();
    cmd_lupa->hide();
    cmd_closeoffline = designed(new QPushButton(QStringLiteral("X"), this), "cmd_closeoffline", 5475, 90, 375, 375);

    Listpj = designed(new QListWidget(this), "Listpj", 90, 591, 5760, 4334);
    // The run lines are columns of text: a fixed-pitch face.
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSizeF(8.25);
    Listpj->setFont(fixed);

    connect(cmd_closeoffline, &QPushButton::clicked, this, [this] { cmd_closeoffline_Click(); });
    hide();
}

void frame_offline::cmd_closeoffline_Click() { hide(); }
