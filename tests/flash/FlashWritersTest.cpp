#include "FlashBench.h"
#include "flash/FlashReaders.h"
#include "flash/FlashTransfers.h"
#include "flash/FlashWriters.h"
#include "lib/FlashCommitFault.h"
#include "link/commands/FlashPages.h"
#include "link/protocol/ExchangeScope.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// The writers and the panel's actions against the simulated instrument.
namespace {

const QStringList kTableFiles{"w6_col.dat",  "w6_row.dat",  "p35_col.dat",
                              "p35_row.dat", "w24_col.dat", "w24_row.dat"};
const QString kPortClosed = QStringLiteral("COMPORT not opened. Click Connect");
const FlashSectionTicks kAll{true, true, true, true, true};

QByteArray nuls(int n) { return QByteArray(n, '\0'); }

QByteArray crlf(const QStringList& lines) { return (lines.join(QStringLiteral("\r\n")) + "\r\n").toLatin1(); }

// A name line as the Parts give it: text, check byte, "/", NUL padding.
QByteArray nameLine(const QByteArray& text, int check)
{
    QByteArray line = text + static_cast<char>(check) + '/';
    return line + nuls(24 - static_cast<int>(line.size()));
}

QString errorText(const QByteArray& line) { return QStringLiteral("Error writing") + QString::fromLatin1(line); }

// Instrument 12 with the unit folder filled from the files the readers make
// (the well tables, ledxy.dat, tempfactor.dat) and a w6 blank in the store.
struct SendBench : FlashBench {
    SendBench()
    {
        globals.applySerialNumber(12);
        for (const QString& file : kTableFiles + QStringList{"ledxy.dat", "tempfactor.dat"})
            copyFixture(QStringLiteral("flash/") + file, unitFile(file));
        writeStore(QStringLiteral("blank_w6.dat"), QStringLiteral("acqlapse=0030"), {5, 0, 7, 0, 0, 1});
    }
    void writeStore(const QString& name, const QString& lapseLine, const QList<int>& values)
    {
        QStringList lines{QStringLiteral("20260301_101010w6_blank"), lapseLine, QStringLiteral("\"#well\",\"Value\"")};
        for (int i = 0; i < values.size(); ++i)
            lines << QStringLiteral("%1,%2").arg(i).arg(values.at(i));
        writeBytes(storeFile(name), crlf(lines));
    }
    QString storeFile(const QString& name) const
    {
        return folder.path(QStringLiteral("reports/_internal_blank_measurementSN12/") + name);
    }
    QByteArray flashPage(int bank, int line) const
    {
        QByteArray page;
        const_cast<SimulatedInstrument&>(sim).updateState(
            [&](InstrumentState& s) { page = s.flash.page(bank, line); });
        return page;
    }
    int commits(int bank, int line) const
    {
        int n = 0;
        for (const SimCommand& c : sim.receivedCommands())
            n += c.letter == 'F' && c.a == bank && c.b == line;
        return n;
    }

    FlashSendContext send{ctx, folder.folder(), progress};
};

// The canvas as it looks after "Done" on a cleared picture.
QImage doneImage(const PictureCanvas& like)
{
    PictureCanvas done(like.widthPx(), like.heightPx());
    done.setScale(0, 0, 100, 100);
    done.clear();
    done.print(QStringLiteral("Done"));
    return done.image();
}

TEST(FlashWriters, SendThenReceiveEverySection)
{
    SendBench bench;
    // 384 values, of which the page takes 72: the check byte covers those 72,
    // so the reader takes what was written.
    QList<int> w24;
    for (int i = 0; i < 384; ++i)
        w24 << (i * 7 + 3) % 256;
    bench.writeStore(QStringLiteral("blank_w24.dat"), QStringLiteral("acqlapse=0120"), w24);
    ASSERT_TRUE(bench.start({})); // erased flash
    EXPECT_EQ(SendFlashSections(bench.send, kAll), FlashAction::Done);
    EXPECT_TRUE(bench.prompts.messages.isEmpty()) << bench.prompts.messages.join('|').toStdString();
    EXPECT_EQ(bench.progress.image(), doneImage(bench.progress));

    // The pages as the layout fixes them.
    EXPECT_EQ(bench.flashPage(kBlankBank, 4), nameLine("w6_blank:[0030]6x1/", 0x03) + bytes({5, 0, 7, 0, 0, 1}) + nuls(66));
    EXPECT_EQ(bench.flashPage(kBlankBank, 8), nameLine("p35_blank:[0030]6x1/", 0) + nuls(72));
    EXPECT_EQ(bench.flashPage(kFactorBank, 4), nameLine("Tempfactor:1L_2x1i/", 0x49) + bytes({134, 98, 0, 173}) + nuls(68));
    EXPECT_EQ(bench.flashPage(kFactorBank, 0),
              flashPageOfLines({"VELDO2019v001f001//", "Quorvantex NORDAVIEN//", "Internal_factor//", "//"}));
    EXPECT_EQ(bench.flashPage(kWellFormatBank, 28), flashPageOfLines({"END//", "END//", "END//", "END//"}));
    EXPECT_EQ(bench.flashPage(kLedXyBank, 72).mid(72), nuls(24));
    // The blank went into the unit folder as it is in the store.
    EXPECT_EQ(bench.unitFileBytes("blank_w6.dat"), fileBytes(bench.storeFile("blank_w6.dat")));

    // Back into an empty unit folder.
    QDir unit(bench.folder.path(kUnitFolder));
    for (const QString& f : unit.entryList(QDir::Files))
        unit.remove(f);
    EXPECT_EQ(ReceiveFlashSections(bench.send, kAll), FlashAction::Done);
    EXPECT_TRUE(bench.prompts.messages.isEmpty());
    EXPECT_TRUE(bench.console.statuses.isEmpty()) << bench.console.statuses.join('|').toStdString();
    for (const QString& file : kTableFiles + QStringList{"ledxy.dat", "tempfactor.dat"})
        EXPECT_EQ(bench.unitFileBytes(file), expectedFile(file)) << file.toStdString();
    EXPECT_EQ(fileLines(bench.unitFile("intfactor_w6.dat")).mid(1),
              QStringList({"well A1 B1 A2 B2 A3 B3", "mult_factor 1.00 1.00 1.00 1.00 1.00 1.00", ""}));
    EXPECT_EQ(fileLines(bench.unitFile("intfactor_w24.dat")).at(2).count(QStringLiteral("1.00")), 24);
    EXPECT_EQ(fileLines(bench.unitFile("blank_w6.dat")).mid(1),
              QStringList({"acqlapse=0030", "\"#well\",\"Value\"", "0,5", "1,0", "2,7", "3,0", "4,0", "5,1", ""}));
    const QStringList w24Lines = fileLines(bench.unitFile("blank_w24.dat"));
    ASSERT_EQ(w24Lines.size(), 3 + 24 + 1);
    EXPECT_EQ(w24Lines.at(1), "acqlapse=0120");
    EXPECT_EQ(w24Lines.at(3 + 23), QStringLiteral("23,%1").arg((23 * 7 + 3) % 256));
    EXPECT_EQ(fileLines(bench.unitFile("blank_p35.dat")).mid(1, 3),
              QStringList({"acqlapse=0030", "\"#well\",\"Value\"", "0,0"}));
}

TEST(FlashWriters, BankOneHeaderFollowsTheLastWriter)
{
    SendBench bench;
    ASSERT_TRUE(bench.start({}));
    // Only the header page the flash holds matters here.
    (void)SendFlashSections(bench.send, {false, false, true, false, false});
    // 2026-03-14 09:26 and the pauses before the header was sent.
    const QByteArray header = bench.flashPage(kFactorBank, 0);
    EXPECT_EQ(header.mid(48, 24), QByteArray("Blank_measure//") + nuls(9));
    EXPECT_EQ(header.mid(72, 14), QByteArray("202603140926//"));
    EXPECT_EQ(header.mid(86), nuls(10));
}

// A packing that fails sends nothing of its page; what the flash held stays.
TEST(FlashWriters, PackingCases)
{
    using Writer = void (*)(FlashSendContext&);
    struct Case {
        const char* what;
        std::function<void(SendBench&)> setUp;
        Writer write;
        int bank;
        int line;
        QByteArray sent;    // the page written; empty: refused
        QByteArray refused; // the name line of the refusal
    };
    auto temp = [](QStringList lines) {
        return [lines](SendBench& b) {
            writeBytes(b.unitFile("tempfactor.dat"), crlf(QStringList{"\"Temperature sensor parameters\""} + lines));
        };
    };
    auto tempPage = [](QList<int> v) {
        const QByteArray data = bytes({v[0], v[1], v[2], v[3]});
        return nameLine("Tempfactor:1L_2x1i/", xorOf(data)) + data + nuls(68);
    };
    const std::vector<Case> cases{
        {"-16,34", temp({"OFFSET=-16,34", "SLOPE=2.5"}), WriteTempFactorToFlash, 1, 4, tempPage({134, 98, 0, 250}), {}},
        {"OFFSET=50", temp({"OFFSET=50", "SLOPE=2.5"}), WriteTempFactorToFlash, 1, 4, tempPage({134, 98, 0, 250}), {}},
        {"offset=", temp({"offset=-10", "SLOPE=2.5"}), WriteTempFactorToFlash, 1, 4, tempPage({134, 98, 0, 250}), {}},
        {"SLOPE=0", temp({"OFFSET=12.5", "SLOPE=0"}), WriteTempFactorToFlash, 1, 4, tempPage({4, 226, 0, 173}), {}},
        {"missing line", temp({"OFFSET=12.5"}), WriteTempFactorToFlash, 1, 4, {}, nameLine("Tempfactor:1L_2x1i/", 0)},
        {"blank 256", [](SendBench& b) { b.writeStore("blank_w6.dat", "acqlapse=0030", {5, 256}); },
         WriteBlankToFlash, 2, 4, {}, nameLine("w6_blank:[0030]6x1/", 0)},
        {"lapse abc", [](SendBench& b) { b.writeStore("blank_w6.dat", "acqlapse=abc", {5}); },
         WriteBlankToFlash, 2, 4, {}, nameLine("w6_blank:[0000]6x1/", 0)},
        {"a lapse of 100000", [](SendBench& b) { b.writeStore("blank_w24.dat", "acqlapse=100000", {5}); },
         WriteBlankToFlash, 2, 12, {}, QByteArray("w24_blank:[100000]24x1/") + nuls(1)},
        {"a lapse of 10000", [](SendBench& b) { b.writeStore("blank_w24.dat", "acqlapse=10000", {5}); },
         WriteBlankToFlash, 2, 12, QByteArray("w24_blank:[10000]24x1/\x05/") + bytes({5}) + nuls(71), {}},
        {"no store", [](SendBench& b) { QFile::remove(b.storeFile("blank_w6.dat")); }, WriteBlankToFlash, 2, 4,
         nameLine("w6_blank:[0030]6x1/", 0) + nuls(72), {}},
        {"no col file", [](SendBench& b) { QFile::remove(b.unitFile("w6_col.dat")); }, WriteWellFormatToFlash, 0, 4,
         {}, nameLine("w6_col:1L_06x4/", 0)},
        {"no ledxy.dat", [](SendBench& b) { QFile::remove(b.unitFile("ledxy.dat")); }, WriteLedXyToFlash, 3, 4, {},
         nameLine("ledxy:70L416x4/", 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SendBench bench;
        c.setUp(bench);
        ASSERT_TRUE(bench.start());
        const QByteArray before = bench.flashPage(c.bank, c.line);
        c.write(bench.send);
        if (c.sent.isEmpty()) {
            EXPECT_EQ(bench.prompts.messages, QStringList{errorText(c.refused)});
            EXPECT_EQ(bench.flashPage(c.bank, c.line), before);
            EXPECT_EQ(bench.commits(c.bank, c.line), 0);
            // A refused blank is not copied into the unit folder.
            const QString blank = c.line == 4 ? "blank_w6.dat" : c.line == 8 ? "blank_p35.dat" : "blank_w24.dat";
            if (c.bank == kBlankBank) {
                EXPECT_FALSE(QFile::exists(bench.unitFile(blank)));
            }
        } else {
            EXPECT_TRUE(bench.prompts.messages.isEmpty()) << bench.prompts.messages.join('|').toStdString();
            EXPECT_EQ(bench.flashPage(c.bank, c.line), c.sent);
        }
    }
}

TEST(FlashWriters, ThePFormatTablesFallBackToTheW6Tables)
{
    SendBench bench;
    QFile::remove(bench.unitFile("p35_col.dat"));
    ASSERT_TRUE(bench.start({}));
    WriteWellFormatToFlash(bench.send);
    EXPECT_TRUE(bench.prompts.messages.isEmpty());
    EXPECT_EQ(bench.flashPage(0, 12).mid(24), bench.flashPage(0, 4).mid(24));
    EXPECT_TRUE(bench.flashPage(0, 12).startsWith("p35_col:1L_06x4/"));
    EXPECT_EQ(bench.flashPage(0, 16).mid(24), factory::wellFormatData("p35_row"));
}

TEST(FlashWriters, ACommitSpoiledOnceIsWrittenAgain)
{
    SendBench bench;
    spoilFlashCommits(bench.sim.registry(), kFactorBank, 4, 1);
    ASSERT_TRUE(bench.start({}));
    WriteTempFactorToFlash(bench.send);
    EXPECT_TRUE(bench.prompts.messages.isEmpty());
    EXPECT_EQ(bench.commits(kFactorBank, 4), 2);
    EXPECT_EQ(bench.flashPage(kFactorBank, 4), nameLine("Tempfactor:1L_2x1i/", 0x49) + bytes({134, 98, 0, 173}) + nuls(68));
}

TEST(FlashWriters, AnInstrumentPausedMidLineEndsByteExactAfterTheSecondTry)
{
    SendBench bench;
    // The instrument stops answering at byte 30 of the page (line 1, byte 6)
    // and answers again after the line gave up: its late echo comes while the
    // page is written the second time, and must answer none of those bytes.
    Fault pause = Fault::lateReply(6000, 'f');
    pause.a = 30;
    pause.times = 1;
    bench.sim.setFault(pause);
    ASSERT_TRUE(bench.start({}));
    WriteTempFactorToFlash(bench.send);
    EXPECT_TRUE(bench.prompts.messages.isEmpty()) << bench.prompts.messages.join('|').toStdString();
    EXPECT_EQ(bench.flashPage(kFactorBank, 4), nameLine("Tempfactor:1L_2x1i/", 0x49) + bytes({134, 98, 0, 173}) + nuls(68));
    bench.console.statuses.clear();
}

TEST(FlashWriters, ACommitSpoiledTwiceIsReportedAndTheSendGoesOn)
{
    SendBench bench;
    spoilFlashCommits(bench.sim.registry(), kFactorBank, 4, 2);
    ASSERT_TRUE(bench.start({}));
    EXPECT_EQ(SendFlashSections(bench.send, {false, false, true, true, false}), FlashAction::Done);
    EXPECT_EQ(bench.prompts.messages, QStringList{errorText(nameLine("Tempfactor:1L_2x1i/", 0x49))});
    EXPECT_EQ(bench.commits(kFactorBank, 4), 2);
    // The next section was written all the same, and the picture says so.
    EXPECT_TRUE(bench.flashPage(kFactorBank, 8).startsWith("w6_intfactor:1L_6x1/"));
    EXPECT_EQ(bench.progress.image(), doneImage(bench.progress));
}

TEST(FlashWriters, TheLedSectionIsWrittenAgainFromItsFirstPage)
{
    SendBench bench;
    spoilFlashCommits(bench.sim.registry(), kLedXyBank, 40, 1);
    ASSERT_TRUE(bench.start({}));
    WriteLedXyToFlash(bench.send);
    EXPECT_TRUE(bench.prompts.messages.isEmpty());
    EXPECT_EQ(bench.commits(kLedXyBank, 4), 2);
    EXPECT_EQ(bench.commits(kLedXyBank, 72), 2);
    QFile::remove(bench.unitFile("ledxy.dat"));
    EXPECT_EQ(ReadLedXyFromFlash(bench.ctx, bench.folder.folder(), bench.progress, kUnitFolder), 0);
    EXPECT_EQ(bench.unitFileBytes("ledxy.dat"), expectedFile("ledxy.dat"));
}

TEST(FlashWriters, AClosedPortSendsNothing)
{
    using Writer = void (*)(FlashSendContext&);
    SendBench bench;
    ASSERT_TRUE(bench.start());
    bench.globals.portOpen = false;
    for (const Writer w : {WriteWellFormatToFlash, WriteLedXyToFlash, WriteTempFactorToFlash, WriteIntFactorToFlash,
                           WriteBlankToFlash})
        w(bench.send);
    EXPECT_EQ(SendFlashSections(bench.send, kAll), FlashAction::PortClosed);
    EXPECT_EQ(ReceiveFlashSections(bench.send, kAll), FlashAction::PortClosed);
    EXPECT_EQ(bench.prompts.messages, QStringList(7, kPortClosed));
    EXPECT_EQ(bench.sim.totalCommandCount(), 0);
    EXPECT_FALSE(QFile::exists(bench.unitFile("blank_w6.dat")));
}

TEST(FlashWriters, NothingStartsWhileASendRuns)
{
    SendBench bench;
    ASSERT_TRUE(bench.start({}));
    std::vector<FlashAction> nested;
    bench.clock.onTick = [&] {
        if (nested.empty()) {
            nested.push_back(SendFlashSections(bench.send, kAll));
            nested.push_back(ReceiveFlashSections(bench.send, kAll));
            bench.prompts.answers.push_back(PromptAnswer::Yes);
            nested.push_back(RecalcInternalFactors(bench.send.pack()));
        }
    };
    EXPECT_EQ(SendFlashSections(bench.send, {false, false, true, false, false}), FlashAction::Done);
    EXPECT_EQ(nested, (std::vector<FlashAction>{FlashAction::Busy, FlashAction::Busy, FlashAction::Busy}));
    EXPECT_TRUE(bench.prompts.questions.isEmpty());
    EXPECT_EQ(bench.prompts.answers.size(), 1u); // the busy recalculation asked nothing
    bench.prompts.answers.clear();
    // One header and one data page: two commits, one read.
    EXPECT_EQ(bench.sim.commandCount('f'), 2 * 96);
    EXPECT_FALSE(bench.globals.flashBusy);
    EXPECT_EQ(SendFlashSections(bench.send, {}), FlashAction::Done);
}

// The pages of a send are one transfer: an exchange a window event starts in
// any of its pauses is refused.
TEST(FlashWriters, AnExchangeAWindowEventStartsDuringASendIsRefused)
{
    SendBench bench;
    ASSERT_TRUE(bench.start());
    int tries = 0;
    int answered = 0;
    bench.clock.onTick = [&] {
        ++tries;
        if (!ReadFlashPage(bench.ctx, kLedXyBank, 4).data.isEmpty())
            ++answered;
    };
    EXPECT_EQ(SendFlashSections(bench.send, {false, false, true, false, false}), FlashAction::Done);
    bench.clock.onTick = nullptr;

    EXPECT_GT(tries, 10);
    EXPECT_EQ(answered, 0);
    EXPECT_TRUE(bench.console.statuses.contains(kLinkBusyText));
    for (const SimCommand& c : bench.sim.receivedCommands())
        EXPECT_NE(c.a, 0xF0 + kLedXyBank) << "a page read got between the send's exchanges";
    EXPECT_EQ(bench.sim.commandCount('f'), 2 * 96);
}

TEST(FlashWriters, ClosingTheWindowEndsASendBetweenTwoItems)
{
    SendBench bench;
    ASSERT_TRUE(bench.start());
    bench.clock.onTick = [&] {
        if (bench.sim.commandCount('f') > 0 && !bench.comm.guard().stopRequested())
            bench.comm.guard().requestStop();
    };
    EXPECT_EQ(SendFlashSections(bench.send, kAll), FlashAction::Stopped);
    bench.clock.onTick = nullptr;

    // The well formats, under way when the window closed, went whole; nothing after them.
    EXPECT_GT(bench.commits(kWellFormatBank, kWellFormatEndLine), 0);
    EXPECT_EQ(bench.commits(kLedXyBank, kFlashHeaderLine), 0);
    EXPECT_EQ(bench.commits(kFactorBank, kFlashHeaderLine), 0);
    EXPECT_FALSE(bench.comm.guard().held());
    EXPECT_FALSE(bench.comm.guard().stopRequested());
}

TEST(FlashWriters, ReceiveWithoutSerialNumberFillsConfig)
{
    SendBench bench;
    bench.globals.applySerialNumber(0);
    makeFolder(bench.folder.path("config"));
    ASSERT_TRUE(bench.start());
    EXPECT_EQ(ReceiveFlashSections(bench.send, kAll), FlashAction::Done);
    for (const char* file : {"w6_col.dat", "ledxy.dat", "tempfactor.dat", "intfactor_w6.dat", "blank_w24.dat"})
        EXPECT_TRUE(QFile::exists(bench.folder.path(QStringLiteral("config/") + QLatin1String(file)))) << file;
    EXPECT_TRUE(bench.prompts.messages.isEmpty());
}

TEST(FlashWriters, RecalcRebuildsTheFactorFilesOnYesOnly)
{
    SendBench bench; // no port needed
    bench.prompts.answers = {PromptAnswer::Cancel, PromptAnswer::No, PromptAnswer::Yes};
    EXPECT_EQ(RecalcInternalFactors(bench.send.pack()), FlashAction::Declined);
    EXPECT_EQ(RecalcInternalFactors(bench.send.pack()), FlashAction::Declined);
    EXPECT_FALSE(QFile::exists(bench.unitFile("intfactor_w6.dat")));
    EXPECT_TRUE(bench.prompts.messages.isEmpty());
    EXPECT_EQ(RecalcInternalFactors(bench.send.pack()), FlashAction::Done);
    for (const char* format : {"w6", "p35", "w24"})
        EXPECT_TRUE(QFile::exists(bench.unitFile(QStringLiteral("intfactor_%1.dat").arg(QLatin1String(format))))) << format;
    EXPECT_EQ(bench.prompts.questions, QStringList(3, "Recalculate and replace internal factor files?"));
    EXPECT_EQ(bench.prompts.messages, QStringList{"done"});
    EXPECT_EQ(bench.sim.totalCommandCount(), 0);
}

} // namespace
