#pragma once

// A region of a window that a screen reader names as a panel when the focus
// enters it, and that the keyboard can move into: to its entry control, or to
// the region itself when it has none.

#include <QWidget>

class Pane : public QWidget {
    Q_OBJECT

public:
    // Neither Tab nor a click gives it the focus: only enter(), when it has no control to give it to.
    using QWidget::QWidget;

    // The focus moves into the region, to its entry; `reason` is told to the control that takes it.
    void enter(Qt::FocusReason reason);

protected:
    // Where the focus enters: the first control Tab reaches, unless the region knows better.
    virtual QWidget *entry();
};

// The first visible, enabled control inside `region` that Tab reaches, in the tab order; none if it has none.
QWidget *firstTabStop(QWidget *region);
