#pragma once

#include "advanced/panels/Frm_advance.h"

#include <QMetaObject>

class Frm_advance::ExchangeScope {
public:
    explicit ExchangeScope(Frm_advance& page) : page_(page) { ++page_.exchanges_; }
    ~ExchangeScope()
    {
        if (--page_.exchanges_ > 0)
            return;
        if (!page_.closePending_) {
            // The clicks kept for a gap the loop did not reach, once the handler has returned.
            if (!page_.queuedClicks_.empty())
                QMetaObject::invokeMethod(
                    &page_,
                    [page = &page_] {
                        if (page->exchanges_ == 0)
                            page->runQueuedClicks();
                    },
                    Qt::QueuedConnection);
            return;
        }
        page_.closePending_ = false;
        // The close asked for meanwhile, once the handler has returned.
        QMetaObject::invokeMethod(
            &page_, [page = &page_] { page->close(); }, Qt::QueuedConnection);
    }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

private:
    Frm_advance& page_;
};
