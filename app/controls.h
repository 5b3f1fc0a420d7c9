#pragma once
// The kinds of control a timer window is built from, where Qt's own widgets
// need a small adjustment.
#include <QComboBox>
#include <QPushButton>

// A command button that Enter presses as well as the space bar, but only
// while it has the focus. No button is the window's default.
class CommandButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The countdown's minutes: an editable combo box with an accessible interface
// of its own (accessibility.cpp).
class MinutesBox final : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
};
