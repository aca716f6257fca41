#pragma once

#include "link/Bytes.h"
#include "link/ScriptedLink.h"
#include "advanced/panels/Frm_advance.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

// The advanced page over a scripted port, deleted on close as the application opens it.
struct DevicePageRig {
    DevicePageRig()
    {
        s.connect();
        page = new Frm_advance(AdvanceContext{s.globals, s.folder.folder(), s.clock, s.prompts, &s.comm,
                                              [] { return QStringLiteral("w96f"); }, [] {}, {}});
        page->setAttribute(Qt::WA_DeleteOnClose);
    }
    ~DevicePageRig() { delete page.data(); }
    ScriptedLink s;
    QPointer<Frm_advance> page;
};

inline void deliverDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
