#pragma once

// A whole-number spin box whose text cannot be typed into: its value changes
// through its up and down buttons or the keys a spin box takes (Up, Down,
// Page Up, Page Down, Home, End, and a digit for the value it names), never
// through the mouse wheel.

#include <QSpinBox>

class ButtonSpinBox : public QSpinBox {
    Q_OBJECT
    // The step a screen reader reads through the accessibility value interface.
    Q_PROPERTY(int stepSize READ singleStep)

public:
    explicit ButtonSpinBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};
