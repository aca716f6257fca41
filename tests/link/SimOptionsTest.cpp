#include "Bytes.h"
#include "RawTerminal.h"
#include "support/TempProgramFolder.h"
#include "lib/FlashMemory.h"
#include "lib/SimOptions.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

// The simulated instrument's command line.
namespace {

QStringList words(const char* text) { return QString::fromLatin1(text).split(' ', Qt::SkipEmptyParts); }

TEST(SimOptions, TakesEveryOption)
{
    const SimOptionsParse p = parseSimOptions(
        words("ports/COM1 --serial 300 --flash f.bin --erased-flash --pacing 9600 --controller analog "
              "--fault silent:N,short-frame:C --fault late --late-ms 250"));
    ASSERT_TRUE(p.options) << p.error.toStdString();
    const SimOptions& o = *p.options;
    EXPECT_EQ(o.linkPath, "ports/COM1");
    EXPECT_EQ(o.serialNumber, 300);
    EXPECT_EQ(o.flashFile, "f.bin");
    EXPECT_TRUE(o.erasedFlash);
    EXPECT_EQ(o.pacingBaud, 9600);
    EXPECT_EQ(o.controller, StageController::Analog);
    EXPECT_FALSE(o.help);
    ASSERT_EQ(o.faults.size(), 3u);
    EXPECT_EQ(o.faults[0].kind, FaultKind::Silent);
    EXPECT_EQ(o.faults[0].letter, 'N');
    EXPECT_EQ(o.faults[1].kind, FaultKind::ShortFrame);
    EXPECT_EQ(o.faults[1].letter, 'C');
    EXPECT_EQ(o.faults[2].kind, FaultKind::Late);
    EXPECT_EQ(o.faults[2].letter, 0);
    EXPECT_EQ(o.faults[2].delayMs, 250); // --late-ms counts wherever it stands

    const SimOptionsParse none = parseSimOptions({});
    ASSERT_TRUE(none.options);
    EXPECT_EQ(none.options->serialNumber, kDefaultSimSerialNumber);
    EXPECT_FALSE(none.options->controller); // the generation's
    EXPECT_EQ(none.options->pacingBaud, 0);
    EXPECT_TRUE(none.options->faults.empty());
    EXPECT_FALSE(none.options->erasedFlash); // the factory calibration
    EXPECT_EQ(parseSimOptions(words("--controller digital")).options->controller, StageController::Digital);
    EXPECT_TRUE(parseSimOptions(words("--help")).options->help);
}

TEST(SimOptions, RefusesWhatItDoesNotKnow)
{
    struct Case {
        const char* args;
        const char* error;
    };
    const Case cases[] = {
        {"--serial", "--serial needs a value"},
        {"--serial 70000", "--serial takes a number 0 to 65535"},
        {"--serial twelve", "--serial takes a number 0 to 65535"},
        {"--pacing -1", "--pacing takes a baud rate, 0 for none"},
        {"--controller peltier", "--controller takes digital or analog"},
        {"--fault loud", "unknown fault loud"},
        {"--fault silent:NN", "unknown fault silent:NN"},
        {"--late-ms soon", "--late-ms takes a number 0 to 600000"},
        {"--speed 3", "unknown option --speed"},
        {"a b", "one link path only: b"},
    };
    for (const Case& c : cases) {
        const SimOptionsParse p = parseSimOptions(words(c.args));
        EXPECT_FALSE(p.options) << c.args;
        EXPECT_EQ(p.error, c.error) << c.args;
    }
}

// The executable as ./run.sh starts it.
TEST(SimExecutable, HelpListsTheOptionsAndTheFaultKinds)
{
    QProcess sim;
    sim.start(QStringLiteral(INSTRUMENT_SIM_EXE), {"--help"});
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 0);
    const QString help = QString::fromLocal8Bit(sim.readAllStandardOutput());
    for (const char* item : {"--serial", "--flash", "--erased-flash", "--controller", "--pacing", "--fault", "--late-ms", "silent",
                             "late", "garbled-check", "short-frame", "wrong-frame-check", "garbled-page", "one-byte",
                             "two-byte", "hang-up"})
        EXPECT_TRUE(help.contains(QLatin1String(item))) << item;

    QProcess wrong;
    wrong.start(QStringLiteral(INSTRUMENT_SIM_EXE), {"--fault", "loud"});
    ASSERT_TRUE(wrong.waitForFinished(5000));
    EXPECT_EQ(wrong.exitCode(), 2);
    EXPECT_TRUE(wrong.readAllStandardError().contains("unknown fault loud"));
}

TEST(SimExecutable, AnswersAsItsOptionsSay)
{
    struct Case {
        QStringList args;
        QByteArray serialReply;
        char temperatureLetter;
    };
    const Case cases[] = {
        {{}, bytes({'N', 0, kDefaultSimSerialNumber}), 't'}, // the first generation by default
        {{"--serial", "300"}, bytes({'N', 1, 44}), 'T'},
        {{"--serial", "300", "--controller", "analog"}, bytes({'N', 1, 44}), 't'},
        {{"--controller", "digital", "--fault", "one-byte:N"}, bytes({'N'}), 'T'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        TempProgramFolder folder;
        const QString link = folder.path(QStringLiteral("COM1"));
        QProcess sim;
        sim.start(QStringLiteral(INSTRUMENT_SIM_EXE), QStringList{link} + c.args);
        ASSERT_TRUE(sim.waitForReadyRead(5000));
        ASSERT_TRUE(QFileInfo(link).isSymLink());
        RawTerminal term(link);
        ASSERT_TRUE(term.isOpen());
        term.write(frameBytes('N', 0, 0));
        EXPECT_EQ(term.read(3, c.serialReply.size() < 3 ? 300 : 2000), c.serialReply);
        term.write(frameBytes('T', 0, 0));
        const QByteArray reading = term.read(3, 2000);
        ASSERT_EQ(reading.size(), 3);
        EXPECT_EQ(reading.at(0), c.temperatureLetter);
        sim.terminate();
        ASSERT_TRUE(sim.waitForFinished(3000));
    }
}

// The flash as the executable starts it: the factory's calibration, erased on
// request, and a flash file that is there kept whatever else is asked.
TEST(SimExecutable, TheFlashLeavesTheFactoryCalibratedUnlessErasedOrKeptInAFile)
{
    TempProgramFolder folder;
    const QString kept = folder.path(QStringLiteral("kept.bin"));
    QByteArray image(FlashMemory::kSizeBytes, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i % 251);
    {
        QFile f(kept);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(image), image.size());
    }
    // Bank 3 from line 4: the LED section's first page; bank 0 line 0: a header.
    const int ledPageAt = (3 * FlashMemory::kLinesPerBank + 4) * FlashMemory::kLineBytes;
    const QByteArray erased(FlashMemory::kPageBytes, FlashMemory::kErased);

    struct Case {
        const char* what;
        QStringList args;
        QByteArray ledPageStart; // compared with the page's first bytes
        QByteArray headerStart;
    };
    const Case cases[] = {
        {"factory", {}, "ledxy:70L416x4/", "VELDO2019v001f001//"},
        {"erased", {"--erased-flash"}, erased, erased},
        {"new file", {"--flash", folder.path(QStringLiteral("new.bin"))}, "ledxy:70L416x4/", "VELDO2019v001f001//"},
        {"kept file", {"--flash", kept}, image.mid(ledPageAt, FlashMemory::kPageBytes), image.left(FlashMemory::kPageBytes)},
        {"kept file, erased asked", {"--erased-flash", "--flash", kept}, image.mid(ledPageAt, FlashMemory::kPageBytes),
         image.left(FlashMemory::kPageBytes)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString link = folder.path(QStringLiteral("COM1"));
        QFile::remove(link);
        QProcess sim;
        sim.start(QStringLiteral(INSTRUMENT_SIM_EXE), QStringList{link} + c.args);
        ASSERT_TRUE(sim.waitForReadyRead(5000));
        RawTerminal term(link);
        ASSERT_TRUE(term.isOpen());
        auto page = [&](int bank, int line) {
            term.write(frameBytes('F', 0xF0 + bank, line));
            return term.read(3 + FlashMemory::kPageBytes + 1, 2000).mid(3, FlashMemory::kPageBytes);
        };
        EXPECT_TRUE(page(3, 4).startsWith(c.ledPageStart));
        EXPECT_TRUE(page(0, 0).startsWith(c.headerStart));
        sim.terminate();
        ASSERT_TRUE(sim.waitForFinished(3000));
    }
}

} // namespace
