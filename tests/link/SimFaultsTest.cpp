#include "Bytes.h"
#include "RawTerminal.h"
#include "SimulatedPorts.h"
#include "support/ScriptedPrompts.h"
#include "link/protocol/LinkState.h"
#include "core/Console.h"
#include "lib/Fault.h"
#include "link/protocol/CommandFrame.h"
#include "link/commands/FlashPages.h"
#include "link/protocol/ReplyReader.h"
#include "link/commands/TemperatureSenders.h"

#include <gtest/gtest.h>

// The simulated instrument's faults: what each does to a reply, and what it
// does to the program's sender that meets it.
namespace {

QByteArray pageReply(quint8 a, quint8 b, const QByteArray& data)
{
    QByteArray r = bytes({'F', a, b}) + data;
    r += static_cast<char>(xorOf(data));
    return r;
}

TEST(SimFaults, WhatEachDoesToAReply)
{
    const QByteArray echo = bytes({'G', 0, 15});
    QByteArray data(96, '\0');
    for (int i = 0; i < 96; ++i)
        data[i] = static_cast<char>(i + 1);
    const QByteArray page = pageReply(0xF0, 4, data);
    QByteArray garbledData = data;
    garbledData[0] = static_cast<char>(0xFE);
    QByteArray garbledMiddle = page;
    garbledMiddle[50] = static_cast<char>(~page.at(50));

    struct Case {
        const char* name;
        Fault fault;
        QByteArray reply;
        QByteArray arrives;
    };
    const Case cases[] = {
        {"check byte of a page", Fault::garbledCheckByte(), page, page.left(99) + bytes({xorOf(data) ^ 0xFF})},
        {"short page", Fault::shortFrame(), page, page.left(99)},
        {"wrong check inside", Fault::wrongFrameCheck(), page, garbledMiddle},
        {"garbled page", Fault::garbledPage(), page, bytes({'F', 0xF0, 4}) + garbledData + bytes({xorOf(data)})},
        {"one byte", Fault::oneByteReply(), echo, bytes({'G'})},
        {"two bytes", Fault::twoByteReply(), echo, bytes({'G', 0})},
        {"two bytes of a one-byte reply", Fault::twoByteReply(), bytes({3}), bytes({3})},
        {"every byte", Fault::garbleReply(), echo, bytes({0xB8, 0xFF, 0xF0})},
        // Frame and page faults leave the short replies alone.
        {"check byte of an echo", Fault::garbledCheckByte(), echo, echo},
        {"short echo", Fault::shortFrame(), echo, echo},
        {"garbled page of an echo", Fault::garbledPage(), echo, echo},
        {"silent shapes no bytes", Fault::silent(), echo, echo},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(spoilReply(c.fault, c.reply), c.arrives) << c.name;
        EXPECT_EQ(spoilsReply(c.fault, c.reply), c.arrives != c.reply) << c.name;
    }
}

TEST(SimFaults, EachHurtsItsLetterAndArguments)
{
    EXPECT_TRUE(faultApplies(Fault::silent(), 'N', 0, 0));
    EXPECT_TRUE(faultApplies(Fault::silent('N'), 'N', 0, 0));
    EXPECT_FALSE(faultApplies(Fault::silent('N'), 'G', 0, 0));
    EXPECT_FALSE(faultApplies(Fault::none(), 'N', 0, 0));
    const Fault onePage = Fault::garbledPage('F').onFlashPage(3, 36);
    EXPECT_TRUE(faultApplies(onePage, 'F', 0xF3, 36));
    EXPECT_FALSE(faultApplies(onePage, 'F', 0xF3, 40));
    EXPECT_FALSE(faultApplies(onePage, 'F', 0xF0, 36));
    EXPECT_FALSE(faultApplies(onePage, 'f', 0xF3, 36));
}

TEST(SimFaults, NamedAsTheExecutableTakesThem)
{
    struct Case {
        const char* text;
        FaultKind kind;
        char letter;
        int keepBytes;
    };
    const Case cases[] = {
        {"silent", FaultKind::Silent, 0, 0},
        {"silent:N", FaultKind::Silent, 'N', 0},
        {"late:T", FaultKind::Late, 'T', 0},
        {"garbled-check:F", FaultKind::GarbledCheckByte, 'F', 0},
        {"short-frame:C", FaultKind::ShortFrame, 'C', 0},
        {"wrong-frame-check:C", FaultKind::WrongFrameCheck, 'C', 0},
        {"garbled-page", FaultKind::GarbledPage, 0, 0},
        {"one-byte:N", FaultKind::CutReply, 'N', 1},
        {"two-byte:t", FaultKind::CutReply, 't', 2},
        {"hang-up:F", FaultKind::HangUp, 'F', 0},
        {"garbled", FaultKind::GarbledReply, 0, 0},
        {"first-unanswered:G", FaultKind::NoAnswerOnFirstAttempt, 'G', 0},
    };
    for (const Case& c : cases) {
        const std::optional<Fault> f = parseFault(QString::fromLatin1(c.text), 1500);
        ASSERT_TRUE(f) << c.text;
        EXPECT_EQ(f->kind, c.kind) << c.text;
        EXPECT_EQ(f->letter, c.letter) << c.text;
        EXPECT_EQ(f->keepBytes, c.keepBytes) << c.text;
        EXPECT_EQ(f->delayMs, c.kind == FaultKind::Late ? 1500 : 0) << c.text;
        EXPECT_EQ(f->times, 0) << c.text;
        EXPECT_TRUE(faultKindHelp().contains(QString::fromLatin1(c.text).section(':', 0, 0))) << c.text;
    }
    for (const char* bad : {"", "loud", "silent:", "silent:NG", "silent:N:2", "Silent"})
        EXPECT_FALSE(parseFault(QString::fromLatin1(bad))) << bad;
}

TEST(SimFaults, LateAndHangUpOnTheWire)
{
    SimulatedInstrument sim;
    ASSERT_TRUE(sim.isReady());
    sim.setFault(Fault::lateReply(150, 'N').only(1));
    sim.addFault(Fault::hangUp('F'));
    sim.start();
    RawTerminal term(sim.devicePath());
    ASSERT_TRUE(term.isOpen());

    term.write(frameBytes('N', 0, 0));
    EXPECT_TRUE(term.read(3, 75).isEmpty());
    EXPECT_EQ(term.read(3, 2000).size(), 3);
    term.write(frameBytes('N', 0, 0));
    EXPECT_EQ(term.read(3, 1000).size(), 3);
    EXPECT_EQ(sim.faultCount(FaultKind::Late, 'N'), 1); // late once only

    term.write(frameBytes('F', 0xF0, 4));
    EXPECT_TRUE(term.read(100, 200).isEmpty());
    ASSERT_TRUE(sim.waitForCommandCount(3, 1000));
    EXPECT_EQ(sim.faultCount(FaultKind::HangUp, 'F'), 1);
    term.write(frameBytes('N', 0, 0)); // the line is down: nothing more is heard
    EXPECT_TRUE(term.read(3, 200).isEmpty());
    EXPECT_EQ(sim.totalCommandCount(), 3);
}

// The senders against the faulty instrument; the program's waits cost virtual time.
class SimFaultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sim = &ports.addInstrument(1, kDefaultSimSerialNumber);
        ASSERT_EQ(comm.CommOpen(1, QStringLiteral("COM1"), lineSettingsText(115200)), 0);
        globals.commPort = 1;
        globals.portOpen = true;
    }

    SimulatedPorts ports;
    SimulatedInstrument* sim = nullptr;
    Globals globals;
    ModCOMM comm{globals, PortMapping(ports.folder.folder()), ports.factory()};
    MemoryConsole console;
    ScriptedPrompts prompts;
    LinkContext ctx{globals, comm, ports.clock, console, prompts};
    LinkState state;
};

TEST_F(SimFaultsTest, ACutNumberReplyGivesNoNumber)
{
    for (const Fault& f : {Fault::oneByteReply('N'), Fault::twoByteReply('N')}) {
        sim->setFault(f);
        const NumberReply n = sendForNumberReply(ctx, *makeCommandFrame('N', 0, 0));
        EXPECT_EQ(n.value, -1) << f.keepBytes;
        EXPECT_EQ(n.bytes, bytes({'N', 0, kDefaultSimSerialNumber}).left(f.keepBytes));
        EXPECT_TRUE(n.tooShort());
    }
    EXPECT_EQ(sim->faultCount(FaultKind::CutReply, 'N'), 2);
    sim->setFault(Fault::none());
    EXPECT_EQ(sendForNumberReply(ctx, *makeCommandFrame('N', 0, 0)).value, kDefaultSimSerialNumber);
}

TEST_F(SimFaultsTest, ACutTemperatureReplyIsNoReading)
{
    globals.applySerialNumber(kDefaultSimSerialNumber);
    state.lastTemperature = 12.5;
    sim->setFault(Fault::twoByteReply('T'));
    EXPECT_EQ(SendTemperatureTarget(ctx, state, 37), 0.0);
    EXPECT_EQ(SendPeltierHeat(ctx, state, 100, false), -1);
    EXPECT_EQ(state.lastTemperature, 12.5);
    EXPECT_EQ(sim->state().stage.drive, 100); // the command arrived, only its reply was cut
    EXPECT_EQ(sim->faultCount(FaultKind::CutReply, 'T'), sim->commandCount('T'));
}

TEST_F(SimFaultsTest, AGarbledPageIsReadThreeTimesAndReportedBad)
{
    sim->updateState([](InstrumentState& s) {
        for (int i = 0; i < 96; ++i)
            s.flash.setBufferByte(i, static_cast<quint8>(0x40 + i));
        s.flash.commit(0, 4);
    });
    QByteArray stored;
    for (int i = 0; i < 96; ++i)
        stored += static_cast<char>(0x40 + i);

    for (const Fault& f : {Fault::garbledPage('F'), Fault::garbledCheckByte('F'), Fault::shortFrame('F')}) {
        sim->resetCounts();
        sim->setFault(f);
        const FlashPage page = ReadFlashPage(ctx, 0, 4);
        EXPECT_FALSE(page.good) << int(f.kind);
        EXPECT_EQ(sim->commandCount('F'), 3) << int(f.kind);
        EXPECT_EQ(sim->faultCount(f.kind, 'F'), 3) << int(f.kind);
    }

    // Once only: the second try is sound.
    sim->resetCounts();
    sim->setFault(Fault::garbledPage('F').onFlashPage(0, 4).only(1));
    const FlashPage page = ReadFlashPage(ctx, 0, 4);
    EXPECT_TRUE(page.good);
    EXPECT_EQ(page.data, stored);
    EXPECT_EQ(sim->commandCount('F'), 2);
    EXPECT_EQ(sim->faultCount(FaultKind::GarbledPage), 1);
}

TEST_F(SimFaultsTest, FaultsAddUpAndCountWhatTheyDid)
{
    sim->setFault(Fault::silent('N').only(1));
    sim->addFault(Fault::oneByteReply('G'));
    EXPECT_EQ(sendForNumberReply(ctx, *makeCommandFrame('N', 0, 0)).value, -1);
    EXPECT_EQ(sendForNumberReply(ctx, *makeCommandFrame('N', 0, 0)).value, kDefaultSimSerialNumber);
    EXPECT_EQ(sendForNumberReply(ctx, *makeCommandFrame('G', 0, 15)).bytes, bytes({'G'}));
    EXPECT_EQ(sim->faultCount(FaultKind::Silent), 1);
    EXPECT_EQ(sim->faultCount(FaultKind::Silent, 'G'), 0);
    EXPECT_EQ(sim->faultCount(FaultKind::CutReply, 'G'), 1);
    EXPECT_EQ(sim->faultCount(FaultKind::HangUp), 0);
    sim->resetCounts();
    EXPECT_EQ(sim->faultCount(FaultKind::Silent), 0);
}

} // namespace
