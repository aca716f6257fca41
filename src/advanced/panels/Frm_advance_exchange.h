#pragma once

#include "advanced/panels/Frm_advance.h"

#include <QMetaObject>

class Frm_advance::ExchangeScope {
public:
    explicit ExchangeScope(Frm_advance& page) : page_(page) { ++page_.exchanges_; }
    ~ExchangeScope()
    {
        if (--page_.exchanges_ > 0 || !page_.closePending_)
            return;
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
