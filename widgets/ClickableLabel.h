#pragma once

// A label that can be clicked, as a link: it shows the hand pointer, Tab
// reaches it, Space opens it, and it shows a focus frame while it has the
// keyboard focus. A mouse click does not give it the focus.

#include <QLabel>

class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget *parent = nullptr);

    // What a click does; also what Space and the accessibility action do.
    void activate();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
