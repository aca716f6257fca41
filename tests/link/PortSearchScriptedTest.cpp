#include "Bytes.h"
#include "ScriptedLink.h"
#include "SearchBench.h"
#include "link/protocol/LinkState.h"
#include "link/search/PortSearch.h"

#include <QFile>
#include <gtest/gtest.h>

// The search on scripted ports, for what real devices cannot be made to do on cue.
namespace {

// Without links, port n is /dev/ttyUSB<n-1>; only the ports given exist.
struct ScriptedSearch : ScriptedLink {
    explicit ScriptedSearch(std::initializer_list<int> present)
    {
        for (int port = 1; port <= ModCOMM::kPortCount; ++port) {
            if (std::find(present.begin(), present.end(), port) == present.end())
                line.openErrors[devicePath(port)] = kErrorFileNotFound;
        }
    }
    static QString devicePath(int port) { return QStringLiteral("/dev/ttyUSB") + QString::number(port - 1); }
    QList<int> openPorts() const { return ::openPorts(comm); }

    LinkState state;
    ConfigTxtBoxes boxes;
    CameraBoxes cameraBoxes;
    PortSearchContext search{ctx, state, folder.folder(), boxes, cameraBoxes, {}};
};

// The port that answered is taken by another program before it can be opened
// again: it counts as a port that did not answer.
TEST(PortSearchScripted, AFailedReopenCountsAsNoAnswer)
{
    struct Case {
        int answering;
        int later; // 0: none, and the user goes offline
        QStringList statuses;
    };
    const QString opening = QStringLiteral("Opening Port [%1]");
    const Case cases[] = {
        {1, 5, {opening.arg(1), opening.arg(1), opening.arg(2), opening.arg(3), opening.arg(4), opening.arg(5),
                "Status = Connected on COM[ 5 ] SN#0043"}},
        {3, 5, {opening.arg(1), opening.arg(1), opening.arg(2), opening.arg(3),
                "Status = Connected on COM[ 3 ] SN#0042", opening.arg(4), opening.arg(5),
                "Status = Connected on COM[ 5 ] SN#0043"}},
        {3, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answering);
        ScriptedSearch s(c.later ? std::initializer_list<int>{c.answering, c.later}
                                 : std::initializer_list<int>{c.answering});
        s.line.script(bytes({'N', 0, 42}));
        s.line.script(bytes({'N', 0, 43}));
        if (!c.later)
            s.prompts.inputs = {QString()}; // Enter: offline
        s.clock.onTick = [&s, &c] {
            if (s.comm.isOpen(c.answering))
                s.line.openErrors[ScriptedSearch::devicePath(c.answering)] = kErrorAccessDenied;
        };
        OpenComPort(s.search);

        if (c.later) {
            EXPECT_EQ(s.console.statuses, c.statuses);
            EXPECT_EQ(s.openPorts(), QList<int>{c.later});
            EXPECT_EQ(s.globals.commPort, c.later);
            EXPECT_EQ(s.globals.serialNumber, 43);
            EXPECT_EQ(s.boxes.txtcom, QString::number(c.later));
        } else {
            EXPECT_EQ(s.console.status(), "Offline Mode");
            EXPECT_TRUE(s.state.offlineMode);
            EXPECT_TRUE(s.openPorts().isEmpty());
            EXPECT_EQ(s.globals.serialNumber, 0);
            EXPECT_EQ(s.boxes.txtcom, "3");
            EXPECT_FALSE(QFile::exists(s.folder.path("config.txt")));
        }
    }
}

// Ports whose set-up fails after the device opened are closed again, so the
// search leaves none "in use".
TEST(PortSearchScripted, HalfOpenedPortsAreClosedAgain)
{
    ScriptedSearch s({2, 4});
    s.line.failingSteps[ScriptedSerialLine::Step::ApplySettings] = kErrorInvalidParameter;
    s.prompts.inputs = {"4"};
    OpenComPort(s.search);

    EXPECT_EQ(s.prompts.messages, QStringList{"Invalid Port Number. Offline Mode"});
    EXPECT_TRUE(s.state.offlineMode);
    EXPECT_TRUE(s.openPorts().isEmpty());
    EXPECT_TRUE(s.line.written.isEmpty());
}

} // namespace
