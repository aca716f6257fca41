#include "ui/WidgetConsole.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

// The console's controls are repainted as soon as they change: a transfer
// holds the user-interface thread, and its progress must show meanwhile.
namespace {

class PaintCounter final : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST(WidgetConsole, EachControlIsRepaintedAtOnce)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* status = new QLineEdit(&window);
    auto* comm = new QPlainTextEdit(&window);
    auto* lenRx = new QLabel(QStringLiteral("Len(Rx) = 0"), &window);
    layout->addWidget(status);
    layout->addWidget(comm);
    layout->addWidget(lenRx);
    window.show();
    // Until the window is on screen there is nothing to paint.
    for (int i = 0; i < 10 && !window.windowHandle()->isExposed(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
    WidgetConsole console(status, comm, lenRx);

    PaintCounter statusPaints, commPaints, lenRxPaints;
    status->installEventFilter(&statusPaints);
    comm->viewport()->installEventFilter(&commPaints);
    lenRx->installEventFilter(&lenRxPaints);

    // No event loop runs between the calls and the checks.
    console.setStatus(QStringLiteral("Reading..."));
    console.setCommText(QStringLiteral("in:N;0;12"));
    console.setLenRx(QStringLiteral("LEN(Rx) = 1611/1611 CRC: calc=7(byteinput=7)"), Qt::red);
    EXPECT_GE(statusPaints.paints, 1);
    EXPECT_GE(commPaints.paints, 1);
    EXPECT_GE(lenRxPaints.paints, 1);
    EXPECT_EQ(console.lenRx(), "LEN(Rx) = 1611/1611 CRC: calc=7(byteinput=7)");
    EXPECT_EQ(console.lenRxColour(), QColor(Qt::red));
}

// The received-length label grows with its text: a frame's summary is longer
// than the designed "Len(Rx) = 0" and shows whole, where the label stands.
TEST(WidgetConsole, TheReceivedLengthLabelGrowsToItsText)
{
    QWidget window;
    auto* lenRx = new QLabel(QStringLiteral("Len(Rx) = 0"), &window);
    lenRx->setGeometry(10, 20, 121, 19);
    WidgetConsole console(nullptr, nullptr, lenRx);
    const QString summary = QStringLiteral("LEN(Rx) = 26170/26170 CRC: calc=0(byteinput=0)");
    console.setLenRx(summary, Qt::black);
    EXPECT_GE(lenRx->contentsRect().width(), lenRx->fontMetrics().horizontalAdvance(summary));
    EXPECT_EQ(lenRx->pos(), QPoint(10, 20));
    EXPECT_EQ(lenRx->height(), 19);
}

} // namespace
