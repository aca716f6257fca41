#pragma once

#include "analysis/panels/Frrm_offline.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QListWidget>
#include <QWidget>

#include <memory>

// A page over its own program folder, with a main window to hide and show.
struct Page {
    TempProgramFolder tmp;
    Globals globals;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    QWidget mainWindow;
    bool running = false;
    const FreeSpace* freeSpace = nullptr; // none: the system's
    std::unique_ptr<Frrm_offline> page;

    Page()
    {
        globals.runFolder = tmp.folder().root();
        mainWindow.resize(1280, 800);
        mainWindow.show();
    }
    Frrm_offline& open()
    {
        page = std::make_unique<Frrm_offline>(OfflineContext{globals, tmp.folder(), clock, prompts, opener,
                                                             &mainWindow, [this] { return running; }, nullptr,
                                                             freeSpace});
        page->showPage();
        return *page;
    }
    void doubleClick(int row)
    {
        page->Listpj->setCurrentRow(row);
        page->Listpj_DblClick();
    }
    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < page->Listpj->count(); ++i)
            out << page->Listpj->item(i)->text();
        return out;
    }
};
