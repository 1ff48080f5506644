#pragma once

// A whole-number spin box whose value changes only through its up and down
// buttons: its text cannot be typed into, and neither the arrow keys nor the
// mouse wheel step it.

#include <QSpinBox>

class ButtonSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit ButtonSpinBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};
