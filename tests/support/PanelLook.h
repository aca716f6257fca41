#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

// What the panel tests read off a control: its caption or text (a button drawn
// with its own caption label reports its accessible name).
inline QString shownText(const QWidget* w)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text().isEmpty() ? button->accessibleName() : button->text();
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* line = qobject_cast<const QLineEdit*>(w)) return line->text();
    if (auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(w)) return plain->toPlainText();
    if (auto* box = qobject_cast<const QGroupBox*>(w)) return box->title();
    return {};
}

// A control as the tests expect it: name, caption or text, shown with its panel.
struct ControlAtRest {
    const char* name;
    const char* text;
    bool shown;
};

inline void expectControls(const QWidget& panel, std::initializer_list<ControlAtRest> controls)
{
    for (const ControlAtRest& c : controls) {
        SCOPED_TRACE(c.name);
        auto* w = panel.findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(shownText(w), QString::fromUtf8(c.text));
        EXPECT_EQ(!w->isHidden(), c.shown);
    }
}

// The shown controls of a panel lie inside it and apart from each other, but for
// the pairs given as "first+second" in the panel's order of children.
inline void expectApart(const QWidget& parent, const QStringList& allowedPairs = {})
{
    QList<const QWidget*> shown;
    for (const QObject* o : parent.children()) {
        auto* w = qobject_cast<const QWidget*>(o);
        if (w && !w->isHidden()) shown.push_back(w);
    }
    for (int i = 0; i < shown.size(); ++i) {
        SCOPED_TRACE(shown[i]->objectName().toStdString());
        EXPECT_TRUE(parent.rect().contains(shown[i]->geometry()));
        for (int j = i + 1; j < shown.size(); ++j) {
            if (allowedPairs.contains(shown[i]->objectName() + QLatin1Char('+') + shown[j]->objectName()))
                continue;
            EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                << shown[j]->objectName().toStdString();
        }
    }
}
