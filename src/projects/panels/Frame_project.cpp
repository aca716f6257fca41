#include "projects/panels/Frame_project.h"

#include "ui/ComboBoxes.h"

#include <QComboBox>
#include <QVBoxLayout>

Frame_project::Frame_project(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame_project"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    combogrup = new QComboBox(this);
    combogrup->setObjectName(QStringLiteral("combogrup"));
    combogrup->setToolTip(QStringLiteral("Dblclick to Rename"));
    combogrup->setMinimumContentsLength(12);
    column->addWidget(combogrup);
    column->addStretch(1);
}

void Frame_project::showGroupList(const GroupComboList& list)
{
    showInBox(combogrup, list.entries, list.currentIndex, QString());
}

QString Frame_project::currentGroup() const { return combogrup->currentText(); }
