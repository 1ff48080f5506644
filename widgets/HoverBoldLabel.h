#pragma once

// A clickable label that turns bold while the mouse is over it. It always asks
// for the room its bold text needs, so that turning bold moves nothing around it.

#include "widgets/ClickableLabel.h"

class HoverBoldLabel : public ClickableLabel {
    Q_OBJECT

public:
    using ClickableLabel::ClickableLabel;

    void setBold(bool bold);
    bool isBold() const { return font().bold(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QSize withBoldWidth(QSize hint) const;

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
};
