#include "ui/ComboBoxes.h"

#include <QComboBox>
#include <QSignalBlocker>

QComboBox* makeEditableBox(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // a typed code is not an entry of the list
    box->setMinimumContentsLength(6);
    return box;
}

void showInBox(QComboBox* box, const QStringList& items, int index, const QString& text)
{
    const QSignalBlocker block(box);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    if (shown != items) {
        box->clear();
        box->addItems(items);
    }
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    if (box->isEditable())
        box->setEditText(text);
}
