#pragma once

#include "ProgramRig.h"

#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/run/RunLoop.h"
#include "support/FixtureFiles.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <ostream>
#include <vector>

// One command as the instrument received it. 'T' sub-commands: Peltier drive 1,
// fan 2, blue light 15; 'C' 6: no camera.
struct ProgramSentCommand {
    char letter;
    int a;
    int b;
    bool operator==(const ProgramSentCommand&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const ProgramSentCommand& c)
{
    return out << c.letter << "," << c.a << "," << c.b;
}

// The program's rig with a user's way through a run: start-up, Start with a
// name and PLAY, the run timer on the fake clock, and the run's files.
class ProgramRunRig : public ProgramRig {
protected:
    // Start-up as main() runs it; the instrument is found on COM1.
    void startProgram()
    {
        program->start();
        ASSERT_EQ(status(), "OK. Connected to VELDO SN12");
    }

    // Start, a name typed into the confirmation and PLAY, as a user does it.
    void startRun(const QString& format, const QString& minutes, const QString& name)
    {
        auto& well = control<QComboBox>(window(), "cmb_well");
        const int index = well.findText(format);
        ASSERT_GE(index, 0) << format.toStdString();
        // Another plate than the one in use is asked about first.
        const bool change = well.currentText() != format;
        if (change)
            prompts.answers.push_back(PromptAnswer::Yes);
        well.setCurrentIndex(index);
        emit well.activated(index);
        if (change) {
            ASSERT_EQ(prompts.questions.last(), "Change Plate to " + format + "?");
        }
        auto& lapse = control<QLineEdit>(window(), "txtlapse");
        lapse.setText(minutes);
        control<QPushButton>(window(), "cmdPlay").click();
        ASSERT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();
        auto& acquisitionName = control<QLineEdit>(window(), "txt_acqname");
        ASSERT_TRUE(acquisitionName.isVisible());
        QTest::mouseClick(&acquisitionName, Qt::LeftButton);
        QTest::keyClicks(&acquisitionName, name);
        control<QPushButton>(window(), "cmd_playacq").click();
        ASSERT_TRUE(window().Timer2->isActive()) << status().toStdString();
    }

    // The run timer fires every `stepMs` of virtual time until the run ends
    // by itself or has taken `scans` scans.
    void tickRun(int scans = 1 << 30, int stepMs = 200)
    {
        for (int ticks = 0; ticks < 200000 && window().Timer2->isActive(); ++ticks) {
            if (window().runLoop()->scanIndex() >= scans)
                return;
            clock.advance(stepMs);
            window().Timer2->stop();
            window().Timer2_Timer();
        }
    }

    QString runFolder() { return program->globals().runFolder; }
    QByteArray runFile(const QString& name) { return fileBytes(QDir(runFolder()).filePath(name)); }

    // Every file of the run folder is whole text: CR LF line ends throughout.
    void expectWholeRunFiles()
    {
        const QStringList names = QDir(runFolder()).entryList(QDir::Files);
        ASSERT_FALSE(names.isEmpty());
        for (const QString& name : names)
            EXPECT_TRUE(endsInWholeCrLfLines(runFile(name))) << name.toStdString();
    }

    std::vector<ProgramSentCommand> commandsSince(size_t first)
    {
        std::vector<ProgramSentCommand> sent;
        const std::vector<SimCommand> all = sim.receivedCommands();
        for (size_t i = first; i < all.size(); ++i)
            sent.push_back({static_cast<char>(all[i].letter), all[i].a, all[i].b});
        return sent;
    }
};
