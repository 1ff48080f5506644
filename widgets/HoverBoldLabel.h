#pragma once

// A clickable label that turns bold while the mouse is over it.

#include "ClickableLabel.h"

class HoverBoldLabel : public ClickableLabel {
    Q_OBJECT

public:
    using ClickableLabel::ClickableLabel;

    void setBold(bool bold);
    bool isBold() const { return font().bold(); }

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
};
