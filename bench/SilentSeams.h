#pragma once

#include "core/Clock.h"
#include "core/Prompts.h"

// Seams that answer at once and show nothing, so a benchmark measures only the work.
class NoPrompts final : public Prompts {
public:
    void message(const QString&, const QString&) override {}
    PromptAnswer question(const QString&, PromptButtons, const QString&) override { return PromptAnswer::No; }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
};

// No time passes; the date is fixed.
class NoWaitClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53)); }
    qint64 elapsedMs() const override { return 0; }
    void sleepMs(int) override {}
    void processEvents() override {}
};
