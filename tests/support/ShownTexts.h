#pragma once

#include <QStringList>

// The texts a fake box showed. Reading the list in any way counts as looking
// at every text shown so far, so a strict script can tell which ones no test saw.
class ShownTexts {
public:
    void append(const QString& text) { texts_ << text; }
    ShownTexts& operator<<(const QString& text)
    {
        append(text);
        return *this;
    }

    // Everything shown so far, now counted as seen.
    const QStringList& list() const
    {
        seen_ = texts_.size();
        return texts_;
    }
    operator const QStringList&() const { return list(); }

    bool isEmpty() const { return list().isEmpty(); }
    qsizetype size() const { return list().size(); }
    qsizetype count() const { return list().size(); }
    const QString& at(qsizetype i) const { return list().at(i); }
    const QString& operator[](qsizetype i) const { return list()[i]; }
    const QString& first() const { return list().first(); }
    const QString& last() const { return list().last(); }
    QString value(qsizetype i) const { return list().value(i); }
    bool contains(const QString& text) const { return list().contains(text); }
    QString join(const QString& separator) const { return list().join(separator); }
    QString join(QChar separator) const { return list().join(separator); }
    QStringList::const_iterator begin() const { return list().begin(); }
    QStringList::const_iterator end() const { return list().end(); }
    QString takeLast()
    {
        QString t = list().last();
        texts_.removeLast();
        seen_ = texts_.size();
        return t;
    }
    // Starts the list afresh; texts never looked at stay unseen.
    void clear()
    {
        dropped_ << texts_.mid(seen_);
        texts_.clear();
        seen_ = 0;
    }

    // The texts shown after the last look.
    QStringList unseen() const { return dropped_ + texts_.mid(seen_); }

    friend bool operator==(const ShownTexts& a, const QStringList& b) { return a.list() == b; }
    friend bool operator==(const QStringList& a, const ShownTexts& b) { return a == b.list(); }
    friend bool operator==(const ShownTexts& a, const ShownTexts& b) { return a.list() == b.list(); }

private:
    QStringList texts_;
    QStringList dropped_;
    mutable qsizetype seen_ = 0;
};
