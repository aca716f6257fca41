#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>

// Menus and items made with the names the windows' code knows them by.

template <typename Parent> // QMenuBar or QMenu
QMenu* namedMenu(Parent* parent, const char* name, const QString& title)
{
    QMenu* menu = parent->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

inline QAction* namedItem(QMenu* menu, const char* name, const QString& caption, bool checkable = false)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setCheckable(checkable);
    return item;
}

// A pop-up kept on the menu bar but never shown there.
inline QMenu* hiddenMenu(QMenuBar* bar, const char* name, const QString& title)
{
    QMenu* menu = namedMenu(bar, name, title);
    menu->menuAction()->setVisible(false);
    return menu;
}
