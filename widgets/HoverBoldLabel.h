#pragma once

// A clickable label that turns bold while the mouse is over it and shows the
// hand pointer, as a link would.

#include <QLabel>

class HoverBoldLabel : public QLabel {
    Q_OBJECT

public:
    explicit HoverBoldLabel(QWidget *parent = nullptr);

    void setBold(bool bold);
    bool isBold() const { return font().bold(); }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
