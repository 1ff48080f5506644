#pragma once

// Shows in a label the long part of the hint of the control under the mouse,
// or of the control the keyboard moves the focus to, or of its nearest enclosing
// control that has one, and empties the label where there is none.

#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

class StatusHints : public QObject {
    Q_OBJECT

public:
    // Follows the mouse and the focus over the widgets of `window` and writes into `line`.
    StatusHints(QWidget *window, QLabel *line);
    ~StatusHints() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The long hint for the widget: its own, or its nearest ancestor's within the window.
    QString hintFor(const QWidget *widget) const;

    QPointer<QWidget> m_window;
    QPointer<QLabel> m_line;
};
