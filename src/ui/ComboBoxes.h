#pragma once

#include <QStringList>

class QComboBox;
class QWidget;

// An editable box whose typed text is not added to its list (the plate format boxes).
QComboBox* makeEditableBox(const char* name, QWidget* parent);

// Shows entries and a text in a box without reporting a choice.
void showInBox(QComboBox* box, const QStringList& items, int index, const QString& text);
