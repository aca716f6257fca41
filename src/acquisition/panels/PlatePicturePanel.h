#pragma once

#include "acquisition/AcquireState.h"
#include "core/Globals.h"
#include "plate/geometry/PlateFormat.h"
#include "projects/GroupCombo.h"
#include "projects/WellSelection.h"

#include <QObject>

#include <functional>

class QWidget;

class PictureBox;

// The plate picture Picact: the plate drawn in the current format with its
// wells' groups, and a rectangle of wells selected with the mouse into the
// group of the group list (left button) or none (right button). The picture box
// sits in the panel the window gives; the window's layout rule places and sizes it.
class PlatePicturePanel : public QObject {
    Q_OBJECT
public:
    PlatePicturePanel(AcquireState& state, WellGroupTable& groups, QWidget* pictureParent);

    PictureBox* Picact = nullptr;
    WellSelectionState wellSelection;
    // The group a selection goes to; the window gives it from the group panel.
    std::function<QString()> currentGroup;

    void DrawPlateLayout(const PlateFormat& format);
    void DrawWellGroupOverlay(int wellIndex);
    void Picact_MouseDown(Qt::MouseButton button, double x, double y);
    void Picact_MouseUp(Qt::MouseButton button, double x, double y);

    // The format the picture shows (the last one drawn).
    const PlateFormat& format() const { return format_; }

signals:
    // The picture was drawn with a grid of that many rows and columns.
    void plateSizeDrawn(int rows, int columns);
    // A selection changed the group list.
    void groupListChanged(const GroupComboList& list);

private:
    AcquireState& state_;
    WellGroupTable& groups_;
    PlateFormat format_;
};
