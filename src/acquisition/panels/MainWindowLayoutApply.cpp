#include "acquisition/panels/MainWindowLayoutApply.h"

#include "ui/DesignedPlaces.h"

#include <QLabel>
#include <QString>
#include <QWidget>
#include <algorithm>

void applyMainWindowLayout(QWidget& root, const MainWindowLayout& layout)
{
    for (const ControlPlacement& p : layout.controls) {
        auto* w = root.findChild<QWidget*>(QString::fromStdString(p.name));
        if (!w) continue;
        const int width = p.width ? twipsToPixels(*p.width) : w->width();
        const int height = p.height ? twipsToPixels(*p.height) : w->height();
        w->setGeometry(twipsToPixels(p.left), twipsToPixels(p.top), width, height);
    }
    for (const LinePlacement& l : layout.lines) {
        auto* w = root.findChild<QWidget*>(QString::fromStdString(l.name));
        if (!w) continue;
        const int thickness = std::max(1, w->height());
        w->setGeometry(twipsToPixels(l.x1), twipsToPixels(l.y) - thickness / 2, twipsToPixels(l.x2 - l.x1), thickness);
    }
    if (auto* rx = root.findChild<QWidget*>(QStringLiteral("lblrx"))) rx->setVisible(false);
    // The instrument label sizes itself to its text: the rule's width is its least.
    if (auto* serial = root.findChild<QLabel*>(QStringLiteral("lbl_myserial"))) growToText(serial);
}
