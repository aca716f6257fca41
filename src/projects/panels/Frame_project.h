#pragma once

#include "projects/GroupCombo.h"

#include <QWidget>

class QComboBox;

// The project and group panel of the main window's group column: the group
// list combogrup ("Dblclick to Rename"). The project controls join it with the
// project issues.
class Frame_project : public QWidget {
    Q_OBJECT
public:
    explicit Frame_project(QWidget* parent = nullptr);

    QComboBox* combogrup = nullptr;

    // Shows the group list without reporting a choice.
    void showGroupList(const GroupComboList& list);
    // The group the wells selected on the plate picture go to.
    QString currentGroup() const;
};
