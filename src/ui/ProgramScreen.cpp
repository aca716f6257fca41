#include "ui/ProgramScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect primaryScreenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void openOnScreenArea(QWidget& window, const QRect& area)
{
    if (area.isValid())
        window.setGeometry(area);
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

QFont programSansFont()
{
    QFont sans;
    sans.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans Condensed")});
    sans.setStyleHint(QFont::SansSerif);
    sans.setPointSizeF(8.25);
    return sans;
}
