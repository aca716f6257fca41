#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <utility>

// Small helpers for building the advanced page's controls by their names.
namespace pagewidgets {

template <typename W, typename... Args>
W* named(QWidget* parent, const char* name, Args&&... args)
{
    auto* widget = new W(std::forward<Args>(args)..., parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

inline QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    return named<QPushButton>(parent, name, caption);
}

// A button's state colour; an invalid colour leaves the button as it is.
inline void paintButton(QPushButton* button, const QColor& colour)
{
    if (colour.isValid())
        button->setStyleSheet(QStringLiteral("background-color: %1;").arg(colour.name()));
}

} // namespace pagewidgets
