#include "link/search/PortSearch.h"

#include "link/protocol/LinkState.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortOwner.h"
#include "link/search/SerialNumberQuery.h"
#include "link/port/SystemErrorText.h"

#include <optional>

namespace {

constexpr int kProbesPerPort = 2;
constexpr int kPauseBeforePortMs = 100;
constexpr int kPauseBeforeProbeMs = 10;

class PortSearch {
public:
    explicit PortSearch(PortSearchContext& search) : s_(search), link_(search.link) {}

    void run()
    {
        int portTry = 1;
        if (s_.showWindow)
            s_.showWindow();
        showOpening(portTry);

        bool found = false;
        if (const std::optional<int> serial = probeFirst()) {
            // txtcom names the port in config.txt and at closing, so it shows 1 here too.
            found = connect(portTry, *serial);
        }
        if (!found)
            portTry = 0; // the scan then looks at COM1 again

        while (!found && portTry < kLastSearchedPort && !stopped()) {
            ++portTry;
            showOpening(portTry);
            if (const std::optional<int> serial = probeScanned(portTry)) {
                showConnected(portTry, *serial);
                found = connect(portTry, *serial);
            }
        }
        if (!found && !stopped())
            askForPort(portTry);
    }

private:
    bool stopped() const { return s_.stopped && s_.stopped(); }

    void showOpening(int port)
    {
        link_.console.setStatus(QStringLiteral("Opening Port [") + QString::number(port) + QLatin1Char(']'));
        link_.clock.processEvents();
        link_.clock.sleepMs(kPauseBeforePortMs);
    }

    void showConnected(int port, int serial)
    {
        link_.console.setStatus(QStringLiteral("Status = Connected on COM[ ") + QString::number(port)
                                + QStringLiteral(" ] SN#") + formatNumber(serial, QStringLiteral("0000")));
    }

    qint32 open(int port) { return openPort(link_.comm, port, kSearchBaudRate); }
    void close(int port) { closePort(link_.comm, port); }

    std::optional<int> probeOnce(int port)
    {
        const SerialNumberQuery query = QuerySerialNumber(link_, port);
        if (isInstrumentSerialNumber(query))
            return query.value;
        setSerialNumber(0);
        return std::nullopt;
    }

    // COM1 with a single query right after it opens.
    std::optional<int> probeFirst()
    {
        std::optional<int> serial;
        if (open(1) == 0)
            serial = probeOnce(1);
        close(1);
        return serial;
    }

    // A port of the scan: up to two queries 10 ms apart. A port held by another
    // program (access denied) is queried too; it is not open, so its queries
    // fail at once.
    std::optional<int> probeScanned(int port)
    {
        std::optional<int> serial;
        const qint32 opened = open(port);
        if (opened == 0 || opened == kErrorAccessDenied) {
            for (int probe = 0; probe < kProbesPerPort && !serial; ++probe) {
                link_.clock.sleepMs(kPauseBeforeProbeMs);
                serial = probeOnce(port);
            }
        }
        close(port);
        return serial;
    }

    // Opens the port that answered for good. When that open fails the port
    // counts as one that did not answer.
    bool connect(int port, int serial)
    {
        if (stopped())
            return false; // closed while it answered: the closing steps have run already
        if (open(port) != 0) {
            setSerialNumber(0);
            return false;
        }
        useOpenPort(port, serial);
        return true;
    }

    void useOpenPort(int port, int serial)
    {
        Globals& g = link_.globals;
        setSerialNumber(serial);
        usePort(g, port);
        s_.state.offlineMode = false;
        s_.boxes.txtcom = QString::number(port);
        WriteConfigTxt(s_.folder, s_.boxes, s_.cameraBoxes);
    }

    // No port answered: the user may type one. A typed port that opens is kept
    // and queried like a port of the scan; used when it answers, else closed.
    void askForPort(int lastPort)
    {
        const QString answer = link_.prompts.input(
            QStringLiteral("COM(") + QString::number(lastPort)
            + QStringLiteral(") PORT ERROR. Type New Port number or <Enter> to go Offline"));
        const std::optional<std::int16_t> typed = toInt16Strict(answer);
        if (!typed || *typed < 1 || *typed > kLastSearchedPort) {
            goOffline();
            return;
        }
        const int port = *typed;
        if (open(port) != 0) {
            link_.prompts.message(QStringLiteral("Invalid Port Number. Offline Mode"));
            goOffline();
            return;
        }
        std::optional<int> serial;
        for (int probe = 0; probe < kProbesPerPort && !serial; ++probe) {
            link_.clock.sleepMs(kPauseBeforeProbeMs);
            serial = probeOnce(port);
        }
        if (!serial) {
            close(port);
            goOffline();
            return;
        }
        showConnected(port, *serial);
        useOpenPort(port, *serial);
    }

    void goOffline()
    {
        Globals& g = link_.globals;
        g.portOpen = false;
        setSerialNumber(0);
        s_.state.offlineMode = true;
        link_.console.setStatus(QStringLiteral("Offline Mode"));
    }

    // The generation, stage controller, gain and exposure unit follow the number.
    void setSerialNumber(int serial)
    {
        link_.globals.applySerialNumber(serial);
        s_.state.analogController = serialNumberBand(serial).analogController;
    }

    PortSearchContext& s_;
    LinkContext& link_;
};

} // namespace

void OpenComPort(PortSearchContext& search) { PortSearch(search).run(); }
