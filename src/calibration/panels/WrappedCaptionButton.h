#pragma once

#include <QPushButton>

// A button whose caption breaks onto a second line at a space when it is
// wider than the button, so a long caption in a narrow column stays whole.
class WrappedCaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
